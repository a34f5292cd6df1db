#pragma once
// The panel's values to and from the print-settings ticket.
#include <optional>
#include <string>

#include "panels/job_notes/job_notes_state.h"
#include "platform/ticket/ticket.h"

// Reads the three flags (when absent, true unless the ticket holds that name), the three messages
// (empty when absent) and the three names; a name is taken only when its flag says it was typed,
// else it is empty.
void ReadJobNotesTicket(JobNotesContext& context, const platform::Ticket& settings);

// Writes the messages (an empty one removes its entry), the three flags, and each name: the typed
// one, else consoleUser; with neither, the name's entry is removed rather than written empty.
void WriteJobNotesTicket(const JobNotesContext& context, platform::Ticket& settings,
                         const std::optional<std::string>& consoleUser);

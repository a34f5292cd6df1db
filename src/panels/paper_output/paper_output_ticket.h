#pragma once
// The panel's values to and from the print-settings ticket: every entry of the panel with its
// default when absent, the job type dictionary, the pads, the booklet fields the panel owns, and
// the printer-description choices kept in step with them.
#include "panels/paper_output/paper_output_state.h"
#include "platform/ticket/ticket.h"

// Reads every field from the session's tickets (orientation from the page format); a key that is
// absent, or holds a value of the wrong kind, gives the field its default.
void ReadPaperOutputTicket(PaperOutputContext& context, const platform::PrintSession& session,
                           const platform::Ticket& settings);

// Writes every field into the print-settings ticket. The booklet fields and two-sided printing
// are written only once the panel has been opened.
void WritePaperOutputTicket(PaperOutputContext& context, platform::Ticket& settings);

// Every Sync starts here: unless booklet is on, two-sided printing follows the platform's duplex
// setting when the ticket has one.
void FollowPlatformDuplexing(PaperOutputContext& context, const platform::Ticket& settings);


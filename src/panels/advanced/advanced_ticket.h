#pragma once
// The Advanced panel's values to and from the print-settings ticket, and the forced paper size
// kept inside the job's stock dictionary.
#include "panels/advanced/advanced_state.h"
#include "platform/ticket/ticket.h"

// Reads every entry with its default when absent (or of the wrong kind); From and To only when
// above 0, so that fields keep their text otherwise.
void ReadAdvancedTicket(AdvancedContext& context, const platform::Ticket& settings);

// Writes every entry (an empty page field as 0), client "com.korvo.printingmanager". A forced size goes into the job stock
// dictionary (made when the ticket has none); "Off" takes "Size", "Width" and "Length" out.
void WriteAdvancedTicket(const AdvancedContext& context, platform::Ticket& settings);

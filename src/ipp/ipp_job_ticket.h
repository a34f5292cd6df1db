#pragma once
// The job ticket (the module's job-ticket export) travelling with a job through a CUPS queue.
// An IPP text holds at most 1023 octets and a ticket holds several thousand, and cupsd drops a
// second document of a job on a queue with a printer description; but cupsd keeps every job
// attribute it is given. So the client sends the ticket as the values of one job attribute, each
// a piece of the document cut between characters, and the queue's backend joins them again.
#include <string>
#include <string_view>

#include "platform/cups_library.h"

inline constexpr const char* kIppJobTicketAttribute = "korvo-job-ticket";
// The document format the ticket is sent to a printer in, where the printer lists it.
inline constexpr const char* kJobTicketDocumentFormat = "application/vnd.korvo-jtkt+xml";

// Adds the document to job's job group as the values of kIppJobTicketAttribute (nothing for an
// empty document).
void AddIppJobTicket(ipp_t* job, std::string_view document);

// The document the attribute's values hold, joined; empty when job has none.
std::string IppJobTicket(ipp_t* job);

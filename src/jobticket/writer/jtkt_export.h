#pragma once
// Export of the current print settings as a job-ticket file: what the Advanced panel's export
// command does once the user has chosen where the file goes.
#include <optional>
#include <string>

#include "jobticket/writer/jtkt_context.h"
#include "platform/status.h"
#include "platform/ticket/ticket.h"

// A dictionary of the ticket's items whose keys begin with "com.korvo". Items of other owners
// (the platform's own job name and duplex) stay out, so a document never depends on them.
platform::PlistDict JTKTCopyKorvoItems(const platform::Ticket& ticket);

// The bytes WriteJTKT writes for dictionary (empty when it selects nothing); none when no memory
// stream could be had.
std::optional<std::string> JTKTWriteDocument(const platform::PlistDict& dictionary, int coverMode);

// Writes the document of the print-settings ticket's "com.korvo" items to path: first whole into
// memory, then through a temporary file in path's folder renamed over path, so that a failure
// leaves no file and never half a file. noErr; or one "ERROR:" line on standard error naming the
// file and kPMInvalidTicket (no ticket), fnfErr (no such folder), ioErr (any other failure to
// write) or paramErr (no path).
platform::OSStatus JTKTExportTicketToFile(const platform::Ticket* printSettings, const std::string& path);

// The export command: has every panel store its values in the ticket (the shell's Sync with
// re-initialise false), then writes the current session's print settings to path as
// JTKTExportTicketToFile does. A failing Sync is returned at once and nothing is written.
extern "C" JTKT_EXPORT platform::OSStatus JTKTExportToFileAtPath(const char* path);

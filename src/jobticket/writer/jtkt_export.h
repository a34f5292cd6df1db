#pragma once
// Export of print settings as a job-ticket file: the document, and its file written whole or not
// at all. The dialog's export command (the shell's) runs the panels' Sync first.
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

// The one "ERROR:" line of a failed export, naming the file and the reason.
void LogExportError(const std::string& path, const std::string& reason);

// Writes the document of the print-settings ticket's "com.korvo" items to path: first whole into
// memory, then through a temporary file in path's folder renamed over path, so that a failure
// leaves no file and never half a file. noErr; or one "ERROR:" line on standard error naming the
// file and kPMInvalidTicket (no ticket), fnfErr (no such folder), ioErr (any other failure to
// write) or paramErr (no path).
platform::OSStatus JTKTExportTicketToFile(const platform::Ticket* printSettings, const std::string& path);

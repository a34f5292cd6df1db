#pragma once
// The job-ticket (JTKT) reader, as other subsystems call it: job-ticket files are parsed,
// converted through the device feature profile into one import dictionary of ticket entries,
// and merged into the print-settings ticket, after which every panel re-reads the ticket.
//
// An import is all or nothing: every chosen file is read and converted first, and a file that
// cannot be read leaves the ticket exactly as it was; the error names the file. A single
// setting whose value is out of range is dropped with one "ERROR:" line naming it.
#include <string>
#include <string_view>
#include <vector>

#include "jobticket/reader/jtkt_import_log.h"
#include "jobticket/reader/jtkt_summary.h"
#include "jobticket/writer/jtkt_context.h"
#include "kit/job_ticket_service.h"
#include "model/ticket_clients.h"
#include "platform/files/file_io.h"
#include "platform/plist/plist_value.h"
#include "platform/status.h"
#include "platform/ticket/print_session.h"

// A file that cannot be parsed, or is not a job ticket.
inline constexpr platform::OSStatus kJTKTUnreadableFile = -208;
// A larger file is refused before it is parsed: the one limit of the documents commands hand
// each other, which the export keeps to as well.
inline constexpr std::size_t kJTKTMaxFileBytes = platform::kMaxDocumentFileBytes;

// Converts the document in bytes into dictionary (the import dictionary of this run). noErr; or
// kJTKTUnreadableFile, after one "ERROR:" line naming name, when the bytes are not well-formed
// XML, declare entities, or are not a job ticket (a "jtkt" root with a "job-template-attributes"
// group); the dictionary is then unchanged.
platform::OSStatus JTKTImportDocument(std::string_view bytes, const std::string& name, platform::PlistDict* dictionary);

// As JTKTImportDocument, for the file at path; a file that cannot be read, or is larger than
// kJTKTMaxFileBytes, is refused the same way.
platform::OSStatus JTKTImportFileAtPath(const char* path, platform::PlistDict* dictionary);

// Reads every file, in order, into one new import dictionary: a later file's top-level entry
// replaces an earlier one's, while the model dictionaries merge entry by entry. The first file
// that fails stops the run and its status is returned; *dictionary is set only on success.
platform::OSStatus JTKTImportFiles(const std::vector<std::string>& paths, platform::PlistDict* dictionary);

// Adds "com.korvo.print.FinishingOptions", derived from the finishing values in dictionary.
void ComputeFinishingOptionKey(platform::PlistDict* dictionary);

// Stores every entry of dictionary in the ticket, client kJTKTImportClient; an entry replaces the
// ticket's value of that key whole.
void JTKTMergeIntoTicket(platform::Ticket& ticket, const platform::PlistDict& dictionary);

// Merges dictionary into the session's print-settings ticket; the dialog's import then has every
// panel re-read the ticket. paramErr without a session or dictionary; otherwise noErr, changing
// nothing for an empty dictionary or a session without the ticket.
platform::OSStatus JTKTImportMergeIntoJobTicket(platform::PrintSession* session, const platform::PlistDict* dictionary);


#pragma once
// The dialog-wide job-ticket export and import, as panels and dialogs reach them. Both must run
// the shell's Sync around the file work (every panel stores its values before an export and
// re-reads the ticket after an import), so the shell provides them in the state it shares with
// its panels; everything below the shell calls through this service and never up.
#include "platform/status.h"

// Receives the summary text of what an import brought.
using JobTicketSummaryProc = void (*)(void* refCon, const char* text);

// dialog: the shell's word for the dialog it serves, handed back to both.
struct JobTicketService {
  void* dialog = nullptr;
  platform::OSStatus (*exportToPath)(void* dialog, const char* path) = nullptr;
  platform::OSStatus (*importPaths)(void* dialog, const char* const* paths, int count, JobTicketSummaryProc summary,
                                    void* refCon) = nullptr;
};

// Writes the dialog's settings to the job-ticket file at path: the service's status, or
// kPMInvalidPDEContext when there is no dialog to serve (a default-made service).
platform::OSStatus ExportJobTicketFromDialog(const JobTicketService& service, const char* path);
// Imports the count job-ticket files at paths into the dialog's settings and hands the summary
// to summary (when given): the service's status, or kPMInvalidPDEContext without a dialog.
platform::OSStatus ImportJobTicketsIntoDialog(const JobTicketService& service, const char* const* paths, int count,
                                              JobTicketSummaryProc summary, void* refCon);

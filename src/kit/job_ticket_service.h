#pragma once
// The dialog-wide job-ticket export and import, as panels and dialogs reach them. Both must run
// the shell's Sync around the file work (every panel stores its values before an export and
// re-reads the ticket after an import), so the shell provides them and installs them here for
// the life of the dialog; everything below the shell calls through this service and never up.
#include "platform/status.h"

// Receives the summary text of what an import brought.
using JobTicketSummaryProc = void (*)(void* refCon, const char* text);

struct JobTicketService {
  platform::OSStatus (*exportToPath)(const char* path) = nullptr;
  platform::OSStatus (*importPaths)(const char* const* paths, int count, JobTicketSummaryProc summary,
                                    void* refCon) = nullptr;
};

// Installs the dialog's service; a default-made service removes it.
void InstallJobTicketService(const JobTicketService& service);

// Writes the dialog's settings to the job-ticket file at path: the service's status, or
// kPMInvalidPDEContext when no dialog has installed one.
platform::OSStatus ExportJobTicketFromDialog(const char* path);
// Imports the count job-ticket files at paths into the dialog's settings and hands the summary
// to summary (when given): the service's status, or kPMInvalidPDEContext without a dialog.
platform::OSStatus ImportJobTicketsIntoDialog(const char* const* paths, int count, JobTicketSummaryProc summary,
                                              void* refCon);

#pragma once
// The dialog's job-ticket export and import, exported for the print path and the host: each runs
// the shell's Sync around the file work, so the file and the panels agree. The shell installs
// them as the kit's job-ticket service for the panels.
#include "jobticket/writer/jtkt_writer.h"
#include "kit/job_ticket_service.h"
#include "platform/status.h"

// Both work on the dialog now running (CurrentShellContext).
// The export command: has every panel store its values in the ticket (the shell's Sync with
// re-initialise false), then writes the current session's print settings to path as
// JTKTExportTicketToFile does. A failing Sync is returned at once and nothing is written.
extern "C" KORVO_EXPORT platform::OSStatus JTKTExportToFileAtPath(const char* path);

// The import command, with the files already chosen: reads the count files at paths into one
// import dictionary, merges it into the current print session's ticket, has every panel re-read
// the ticket and hands the summary of the imported settings to summary (when given). Nothing is
// merged unless every file was read; the status says why.
extern "C" KORVO_EXPORT platform::OSStatus JTKTImportFilesAtPaths(const char* const* paths, int count,
                                                                 JobTicketSummaryProc summary, void* refCon);

struct PDEShellContext;

// The two as the kit's service, for the dialog of that shell context.
JobTicketService ShellJobTicketService(PDEShellContext& shell);

#include "shell/job_ticket_entry_points.h"

#include <string>
#include <vector>

#include "jobticket/reader/jtkt_reader.h"
#include "jobticket/reader/jtkt_summary.h"
#include "jobticket/writer/jtkt_export.h"
#include "kit/current_session.h"
#include "kit/ticket_access.h"
#include "shell/pde_shell.h"

platform::OSStatus JTKTExportToFileAtPath(const char* path) {
  if (path == nullptr) return JTKTExportTicketToFile(nullptr, "");  // says why and answers paramErr
  platform::PrintSession* session = GetCurrentPrintSession();
  const platform::OSStatus synced = PDESync(session, false);
  if (synced != platform::noErr) {
    LogExportError(path, "the panels could not store their settings (status " + std::to_string(synced) + ")");
    return synced;
  }
  platform::Ticket* printSettings = nullptr;
  GetTicketFromSession(session, platform::kPDE_PMPrintSettingsRef, &printSettings);
  return JTKTExportTicketToFile(printSettings, path);
}

platform::OSStatus JTKTImportFilesAtPaths(const char* const* paths, int count, JobTicketSummaryProc summary,
                                          void* refCon) {
  if (paths == nullptr || count < 0) return platform::paramErr;
  platform::PrintSession* session = GetCurrentPrintSession();
  if (session == nullptr) return platform::kPMInvalidPrintSession;
  std::vector<std::string> files;
  for (int i = 0; i < count; ++i) {
    if (paths[i] == nullptr) return platform::paramErr;
    files.emplace_back(paths[i]);
  }
  platform::PlistDict imported;
  if (platform::OSStatus status = JTKTImportFiles(files, &imported); status != platform::noErr) return status;
  platform::OSStatus status = JTKTImportMergeIntoJobTicket(session, &imported);
  if (status == platform::noErr && !imported.empty()) status = PDESync(session, true);
  if (summary != nullptr) summary(refCon, JTKTSummaryText(imported).c_str());
  return status;
}

const JobTicketService& ShellJobTicketService() {
  static const JobTicketService service{JTKTExportToFileAtPath, JTKTImportFilesAtPaths};
  return service;
}

#include "shell/job_ticket_entry_points.h"

#include <string>
#include <vector>

#include "jobticket/reader/jtkt_reader.h"
#include "jobticket/writer/jtkt_writer.h"
#include "kit/current_session.h"
#include "kit/ticket_access.h"
#include "platform/files/file_io.h"
#include "platform/plist/xml_plist.h"
#include "shell/pde_shell.h"
#include "shell/shell_context.h"

namespace {

platform::OSStatus ExportForShell(PDEShellContext* shell, const char* path) {
  if (path == nullptr) return JTKTExportTicketToFile(nullptr, "");  // says why and answers paramErr
  platform::PrintSession* session = GetCurrentPrintSession();
  const platform::OSStatus synced = PDEShellSync(shell, session, false);
  if (synced != platform::noErr) {
    LogExportError(path, "the panels could not store their settings (status " + std::to_string(synced) + ")");
    return synced;
  }
  platform::Ticket* printSettings = nullptr;
  GetTicketFromSession(session, platform::kPDE_PMPrintSettingsRef, &printSettings);
  return JTKTExportTicketToFile(printSettings, path);
}

// Why what an import made could not come back, or none: the session as the panels store it (as
// the next command saves it) and the job ticket an export writes of it must each stay within the
// size every command reads. The ticket is left as the import made it.
std::optional<std::string> TooLargeToComeBack(PDEShellContext* shell, platform::PrintSession* session,
                                              platform::Ticket& settings) {
  const platform::Ticket imported = settings;
  PDEShellSync(shell, session, false);
  std::optional<std::string> why;
  if (auto bytes = platform::WriteXMLPlist(session->toPlist()))
    if (auto tooLarge = platform::CheckDocumentSize(bytes->size())) why = "the session " + *tooLarge;
  if (auto document = JTKTWriteDocument(JTKTCopyKorvoItems(settings), 0); document && !why)
    if (auto tooLarge = platform::CheckDocumentSize(document->size())) why = "its job ticket " + *tooLarge;
  settings = imported;
  return why;
}

std::string Joined(const std::vector<std::string>& files) {
  std::string names;
  for (const std::string& file : files) names += (names.empty() ? "" : ", ") + file;
  return names;
}

platform::OSStatus ImportForShell(PDEShellContext* shell, const char* const* paths, int count,
                                  JobTicketSummaryProc summary, void* refCon) {
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
  platform::Ticket* settings = nullptr;
  GetTicketFromSession(session, platform::kPDE_PMPrintSettingsRef, &settings);
  const std::optional<platform::Ticket> before = settings ? std::optional<platform::Ticket>(*settings) : std::nullopt;
  platform::OSStatus status = JTKTImportMergeIntoJobTicket(session, &imported);
  if (status == platform::noErr && !imported.empty()) status = PDEShellSync(shell, session, true);
  if (status == platform::noErr && !imported.empty() && settings != nullptr) {
    if (const std::optional<std::string> tooLarge = TooLargeToComeBack(shell, session, *settings)) {
      *settings = *before;
      PDEShellSync(shell, session, true);
      JTKTImportError("%s: with these settings %s; nothing is imported", Joined(files).c_str(), tooLarge->c_str());
      return kJTKTUnreadableFile;
    }
  }
  if (summary != nullptr) summary(refCon, JTKTSummaryText(imported).c_str());
  return status;
}

PDEShellContext* AsShell(void* dialog) { return static_cast<PDEShellContext*>(dialog); }

}  // namespace

platform::OSStatus JTKTExportToFileAtPath(const char* path) { return ExportForShell(CurrentShellContext(), path); }

platform::OSStatus JTKTImportFilesAtPaths(const char* const* paths, int count, JobTicketSummaryProc summary,
                                          void* refCon) {
  return ImportForShell(CurrentShellContext(), paths, count, summary, refCon);
}

JobTicketService ShellJobTicketService(PDEShellContext& shell) {
  return {&shell, [](void* dialog, const char* path) { return ExportForShell(AsShell(dialog), path); },
          [](void* dialog, const char* const* paths, int count, JobTicketSummaryProc summary, void* refCon) {
            return ImportForShell(AsShell(dialog), paths, count, summary, refCon);
          }};
}

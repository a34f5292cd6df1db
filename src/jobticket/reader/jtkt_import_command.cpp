// The import command of the Advanced panel, once the files are chosen.
#include "jobticket/reader/jtkt_reader.h"
#include "jobticket/reader/jtkt_summary.h"
#include "shell/current_session.h"

platform::OSStatus JTKTImportFilesAtPaths(const char* const* paths, int count, JTKTSummaryProc summary, void* refCon) {
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
  const platform::OSStatus status = JTKTImportMergeIntoJobTicket(session, &imported);
  if (summary != nullptr) summary(refCon, JTKTSummaryText(imported).c_str());
  return status;
}

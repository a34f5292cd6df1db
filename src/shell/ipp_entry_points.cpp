#include "shell/ipp_entry_points.h"

#include <cstdio>

#include "ipp/ipp.h"
#include "jobticket/writer/jtkt_writer.h"
#include "model/advanced_keys.h"
#include "kit/current_session.h"
#include "kit/ticket_access.h"
#include "platform/files/file_io.h"
#include "platform/system/message_text.h"
#include "shell/pde_shell.h"

namespace {

void LogIppError(const std::string& what, const std::string& reason) {
  std::fprintf(stderr, "ERROR: %s\n", platform::OneLineText(what + ": " + reason).c_str());
}

// The current session's print-settings ticket, after the panels stored theirs (null when the
// session has none); false after an "ERROR:" line.
bool SyncPrintSettings(const std::string& what, platform::OSStatus* status, platform::Ticket** printSettings) {
  platform::PrintSession* session = GetCurrentPrintSession();
  if (session == nullptr) {
    LogIppError(what, "there is no print session");
    *status = platform::kPMInvalidPrintSession;
    return false;
  }
  *status = PDESync(session, false);
  if (*status != platform::noErr) {
    LogIppError(what, "the panels could not store their settings (status " + std::to_string(*status) + ")");
    return false;
  }
  GetTicketFromSession(session, platform::kPDE_PMPrintSettingsRef, printSettings);
  return true;
}

// The ticket's values by key (none for no ticket).
platform::PlistDict ItemsOf(const platform::Ticket* printSettings) {
  platform::PlistDict items;
  if (printSettings != nullptr)
    for (const auto& [key, item] : printSettings->items()) items.emplace(key, item.value);
  return items;
}

// The current session's print settings, after the panels stored theirs; none after an "ERROR:"
// line.
std::optional<platform::PlistDict> SyncedPrintSettings(const std::string& what, platform::OSStatus* status) {
  platform::Ticket* printSettings = nullptr;
  if (!SyncPrintSettings(what, status, &printSettings)) return std::nullopt;
  return ItemsOf(printSettings);
}

}  // namespace

platform::OSStatus KorvoIppTestToFileAtPath(const char* path) {
  if (path == nullptr || *path == '\0') {
    LogIppError("cannot write the IPP test file", "no file name was given");
    return platform::paramErr;
  }
  const std::string what = std::string("cannot write the IPP test file ") + path;
  platform::OSStatus status = platform::noErr;
  const std::optional<platform::PlistDict> settings = SyncedPrintSettings(what, &status);
  if (!settings) return status;
  if (std::optional<std::string> refused = IppJobTemplateRefusal(&*settings)) {
    LogIppError(what, *refused);
    return platform::paramErr;
  }
  const platform::IppMessagePtr job(ippNew());
  AddIppJobTemplate(job.get(), &*settings);
  std::string error;
  if (!platform::WriteFileAtomically(path, IppToolPrintJobTest(job.get()), &error)) {
    LogIppError(what, error);
    return platform::ioErr;
  }
  return platform::noErr;
}

platform::OSStatus KorvoIppPrintJob(const char* deviceURI, const char* documentPath, std::string* jobURI,
                                    std::string* warnings) {
  if (deviceURI == nullptr || documentPath == nullptr || jobURI == nullptr || warnings == nullptr) {
    LogIppError("cannot print", "no printer or document was given");
    return platform::paramErr;
  }
  platform::OSStatus status = platform::noErr;
  const std::optional<platform::PlistDict> settings =
      SyncedPrintSettings(std::string("cannot print ") + documentPath, &status);
  if (!settings) return status;
  IppPrintOutcome outcome;
  status = IppPrintDocument(deviceURI, *settings, documentPath, &outcome);
  // A job that failed left nothing out: it was not printed at all, which the one error line says.
  if (status != platform::noErr) {
    std::fprintf(stderr, "ERROR: %s\n", platform::OneLineText(outcome.error).c_str());
    return status;
  }
  // What the printer said, and the ticket's texts the warnings quote, reach a terminal.
  for (const std::string& line : outcome.warnings) *warnings += platform::OneLineText(line) + "\n";
  *jobURI = platform::OneLineText(outcome.jobURI);
  return platform::noErr;
}

platform::OSStatus KorvoIppPrintJobToQueue(const char* queue, const char* documentPath,
                                           const PrintDialogChoices* choices, std::string* requestId,
                                           std::string* warnings) {
  if (queue == nullptr || documentPath == nullptr || requestId == nullptr || warnings == nullptr) {
    LogIppError("cannot print", "no queue or document was given");
    return platform::paramErr;
  }
  platform::OSStatus status = platform::noErr;
  platform::Ticket* printSettings = nullptr;
  if (!SyncPrintSettings(std::string("cannot print ") + documentPath, &status, &printSettings)) return status;
  std::string jobTicket;
  if (printSettings != nullptr) {
    // "Send Job Ticket" is on unless the Advanced panel stored it off.
    if (GetTicketInt32(*printSettings, kEmitJTKTKey).value_or(1) != 0)
      jobTicket = JTKTWriteDocument(JTKTCopyKorvoItems(*printSettings), 0).value_or(std::string());
  }
  IppQueueOutcome outcome;
  status = IppPrintToQueue(queue, ItemsOf(printSettings), choices, jobTicket, documentPath, &outcome);
  if (status != platform::noErr) {
    std::fprintf(stderr, "ERROR: %s\n", outcome.error.c_str());
    return status;
  }
  for (const std::string& line : outcome.warnings) *warnings += line + "\n";
  *requestId = outcome.requestId;
  return platform::noErr;
}

#include "host/import_command.h"

#include "host/dialog_session.h"
#include "host/session_file.h"

namespace korvo_host {

int RunImportCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
  const std::optional<SessionFileLock> lock = LockSessionFile(line, err);
  if (!lock) return kExitUserError;
  platform::PrintSession session;
  std::unique_ptr<PrintDialog> dialog = OpenDialogOnSessionFile(line, &session, err);
  if (!dialog) return kExitUserError;
  std::string summary;
  const platform::Result<platform::OSStatus> imported = dialog->importJobTickets(line.arguments, &summary);
  dialog->close();
  dialog->terminate();
  if (!imported) {
    err << "ERROR: " << imported.error() << "\n";
    return kExitUserError;
  }
  // A failed import has already said why, in one line of its own, and merged nothing.
  if (*imported != platform::noErr) return kExitUserError;
  std::string error;
  if (!session.save(*line.sessionPath, &error)) {
    err << "ERROR: " << error << "\n";
    return kExitUserError;
  }
  out << summary << "\n";
  return kExitOK;
}

}  // namespace korvo_host

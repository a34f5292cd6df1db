#include "host/export_command.h"

#include <filesystem>

#include "host/dialog_session.h"

namespace korvo_host {

int RunExportCommand(const CommandLine& line, std::ostream& err) {
  platform::PrintSession session;
  std::unique_ptr<PrintDialog> dialog = OpenDialogOnSessionFile(line, &session, err);
  if (!dialog) return kExitUserError;
  PrintDialog& pde = *dialog;
  const platform::Result<platform::OSStatus> exported = pde.exportJobTicket(*line.outputPath);
  pde.close();
  pde.terminate();
  if (!exported) {
    err << "ERROR: " << exported.error() << "\n";
    return kExitUserError;
  }
  // A failed export has already said why, in one line of its own.
  return *exported == platform::noErr ? kExitOK : kExitUserError;
}

}  // namespace korvo_host

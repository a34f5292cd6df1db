#include "host/export_command.h"

#include <filesystem>

#include "host/dialog_session.h"
#include "host/host_paths.h"

namespace korvo_host {

int RunExportCommand(const CommandLine& line, std::ostream& err) {
  const std::string bundlePath = line.bundlePath.value_or(DefaultBundlePath());
  auto loaded = platform::PrintSession::load(*line.sessionPath);
  if (!loaded) {
    err << "ERROR: " << loaded.error() << "\n";
    return kExitUserError;
  }
  platform::PrintSession session = loaded.take();
  std::unique_ptr<PrintDialog> dialog = OpenDialogOnSession(line, bundlePath, session, err);
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

#include "host/export_command.h"

#include <unistd.h>

#include <filesystem>

#include "host/host_paths.h"
#include "host/print_dialog.h"

namespace korvo_host {

int RunExportCommand(const CommandLine& line, std::ostream& err) {
  const std::string bundlePath = line.bundlePath.value_or(DefaultBundlePath());
  auto loaded = platform::PrintSession::load(*line.sessionPath);
  if (!loaded) {
    err << "ERROR: " << loaded.error() << "\n";
    return kExitUserError;
  }
  platform::PrintSession session = loaded.take();
  platform::PrinterInfo& printer = session.printer();
  if (line.ppdPath) printer.ppdPath = *line.ppdPath;
  if (printer.ppdPath.empty()) printer.ppdPath = SamplePPDPath(bundlePath);
  if (printer.name.empty()) printer.name = std::filesystem::path(printer.ppdPath).stem().string();
  if (::access(printer.ppdPath.c_str(), R_OK) != 0) {
    err << "ERROR: cannot read the printer description " << printer.ppdPath << "\n";
    return kExitUserError;
  }

  auto dialog = PrintDialog::load(bundlePath);
  if (!dialog) {
    err << "ERROR: " << dialog.error() << "\n";
    return kExitUserError;
  }
  PrintDialog& pde = **dialog;
  pde.prologue();
  if (pde.initialize(session) != platform::noErr) {
    err << "ERROR: " << printer.ppdPath << ": not a Korvo printer description; the Korvo features do not apply\n";
    return kExitUserError;
  }
  pde.open();
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

#include "host/show_command.h"

#include <unistd.h>

#include <filesystem>
#include <vector>

#include "host/host_paths.h"
#include "host/print_dialog.h"
#include "platform/plist/plist_description.h"
#include "shell/shell_controls.h"

namespace korvo_host {

namespace {

// The session file's session when the file exists, else a new one; none (with a message) when
// the file exists but cannot be read.
std::optional<platform::PrintSession> OpenSession(const CommandLine& line, std::ostream& err) {
  if (!line.sessionPath || !std::filesystem::exists(*line.sessionPath)) return platform::PrintSession();
  auto loaded = platform::PrintSession::load(*line.sessionPath);
  if (!loaded) {
    err << "ERROR: " << loaded.error() << "\n";
    return std::nullopt;
  }
  return loaded.take();
}

}  // namespace

int RunShowCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
  std::string bundlePath = line.bundlePath.value_or(DefaultBundlePath());
  auto session = OpenSession(line, err);
  if (!session) return kExitUserError;

  platform::PrinterInfo& printer = session->printer();
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
  if (pde.initialize(*session) != platform::noErr) {
    err << "ERROR: " << printer.ppdPath << ": not a Korvo printer description; the Korvo features do not apply\n";
    return kExitUserError;
  }
  pde.open();
  // What the panel pop-up offers, read while the shell pane is in the dialog.
  std::vector<std::string> panelTitles;
  if (platform::ui::Control* popup = pde.window().find(kPanelPopupID))
    for (const platform::ui::MenuItem& item : popup->menu().items()) panelTitles.push_back(item.text);
  pde.sync(false);
  pde.close();
  pde.terminate();

  if (const platform::Ticket* settings = session->ticket(platform::kPDE_PMPrintSettingsRef)) {
    for (const auto& [key, item] : settings->items()) out << key << " = " << platform::PlistDescription(item.value) << "\n";
  }
  for (size_t i = 0; i < panelTitles.size(); ++i) out << "panel " << i + 1 << " = " << panelTitles[i] << "\n";
  if (line.sessionPath) {
    std::string error;
    if (!session->save(*line.sessionPath, &error)) {
      err << "ERROR: " << error << "\n";
      return kExitUserError;
    }
  }
  return kExitOK;
}

}  // namespace korvo_host

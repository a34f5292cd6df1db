#include "host/show_command.h"

#include <filesystem>
#include <vector>

#include "host/dialog_session.h"
#include "host/host_paths.h"
#include "platform/plist/plist_description.h"
#include "shell/shell_controls.h"

namespace korvo_host {

int RunShowCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
  std::string bundlePath = line.bundlePath.value_or(DefaultBundlePath());
  auto session = OpenSessionFile(line, err);
  if (!session) return kExitUserError;

  std::unique_ptr<PrintDialog> dialog = OpenDialogOnSession(line, bundlePath, *session, err);
  if (!dialog) return kExitUserError;
  PrintDialog& pde = *dialog;
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

#include "host/show_command.h"

#include <vector>

#include "host/dialog_session.h"
#include "host/host_paths.h"
#include "host/session_file.h"
#include "shell/shell_controls.h"

namespace korvo_host {

int RunShowCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
  std::string bundlePath = line.bundlePath.value_or(DefaultBundlePath());
  const std::optional<SessionFileLock> lock = LockSessionFile(line, err);
  if (!lock) return kExitUserError;
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

  // Listed only once saved, as set does: a listing would tell the user the session was kept.
  if (!SaveSessionFile(line, *session, err)) return kExitUserError;
  ListPrintSettings(*session, out);
  for (size_t i = 0; i < panelTitles.size(); ++i) out << "panel " << i + 1 << " = " << panelTitles[i] << "\n";
  return kExitOK;
}

}  // namespace korvo_host

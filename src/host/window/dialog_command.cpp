#include "host/window/dialog_command.h"

#include <gtk/gtk.h>

#include "host/dialog_buttons.h"
#include "host/dialog_session.h"
#include "host/host_paths.h"
#include "host/window/layout_report.h"
#include "platform/tasks/run_loop.h"
#include "platform/ui/gtk/gtk_interaction.h"
#include "platform/ui/gtk/window_renderer.h"

namespace korvo_host {
namespace {

namespace ui = platform::ui;

// Every tenth of a second: what the worker tasks sent to the main run loop is handled, events the
// extension posted are delivered, the windows follow, and the layout report is rewritten (also
// while a modal dialog or an alert waits in its own loop, so scripts can click inside it).
struct Pump {
  std::optional<std::string> layoutPath;
};

gboolean PumpOnce(gpointer data) {
  auto* pump = static_cast<Pump*>(data);
  int delivered = platform::RunLoop::main().runPending();
  for (ui::gtk::WindowRenderer* renderer : ui::gtk::WindowRenderer::All())
    delivered += renderer->window().deliverPostedEvents();
  if (delivered > 0) ui::gtk::WindowRenderer::RefreshAll();
  if (pump->layoutPath) WriteLayoutReport(*pump->layoutPath);
  return G_SOURCE_CONTINUE;
}

}  // namespace

int RunDialogCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
  if (!gtk_init_check()) {
    err << "ERROR: no display to show the dialog on (is DISPLAY or WAYLAND_DISPLAY set?)\n";
    return kExitUserError;
  }
  const std::string bundlePath = line.bundlePath.value_or(DefaultBundlePath());
  std::optional<platform::PrintSession> session = OpenSessionFile(line, err);
  if (!session) return kExitUserError;
  std::unique_ptr<PrintDialog> dialog = OpenDialogOnSession(line, bundlePath, *session, err);
  if (!dialog) return kExitUserError;

  DialogButtons buttons(*dialog, *session, line.sessionPath, out, err);
  const std::vector<std::string> pictureFolders{dialog->bundle().resourcesPath()};
  int status = kExitOK;
  {
    ui::gtk::WindowRenderer renderer(dialog->window(), pictureFolders);
    ui::gtk::GtkInteraction interaction(renderer.gtkWindow(), pictureFolders);
    ui::SetInteraction(&interaction);
    Pump pump{line.layoutPath};
    const guint pumpSource = g_timeout_add(100, PumpOnce, &pump);
    gtk_window_present(renderer.gtkWindow());
    while (!buttons.finished()) g_main_context_iteration(nullptr, TRUE);
    g_source_remove(pumpSource);
    ui::SetInteraction(nullptr);
    status = buttons.exitStatus();
  }
  dialog->close();
  dialog->terminate();
  return status;
}

}  // namespace korvo_host

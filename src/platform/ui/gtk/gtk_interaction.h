#pragma once
// What needs a person, answered by a person: modal dialogs become modal GTK windows, alerts become
// message windows, and file choosers GTK's file chooser. Each waits in a nested main loop, so the
// code that asked gets its answer as the headless toolkit would give it. The clipboard is the
// display's (GdkClipboard), shared with every other program on it.
#include <gtk/gtk.h>

#include <string>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/interaction.h"

namespace platform::ui::gtk {

// An alert on screen, for scripts that answer it with a synthetic pointer: where it lies and
// where each of its buttons is (the first button answers 1), in screen coordinates.
struct AlertShown {
  std::string title;
  Rect place;
  struct Button {
    int answer = 0;
    std::string title;
    Rect place;
  };
  std::vector<Button> buttons;
};
// The alerts open now, the innermost last; those not yet on screen are left out.
std::vector<AlertShown> OpenAlerts();
// For each file chooser open now, the innermost last, the name of the filter it shows (empty
// with none): scripts check what a person is offered.
std::vector<std::string> OpenChooserFilters();

class GtkInteraction : public Interaction {
 public:
  // parent: the window dialogs belong to (may be null); pictureFolders as for WindowRenderer.
  GtkInteraction(GtkWindow* parent, std::vector<std::string> pictureFolders);

  int runModal(Window& window) override;
  int alert(const AlertRequest& request) override;
  std::optional<std::string> chooseFile(const FileRequest& request) override;
  void beep() override;
  OSStatus openHelp(const std::string& book, const std::string& page, const std::string& anchor) override;
  void setClipboardText(const std::string& text) override;
  std::optional<std::string> clipboardText() override;

 private:
  GtkWindow* parent_;
  std::vector<std::string> pictureFolders_;
};

}  // namespace platform::ui::gtk

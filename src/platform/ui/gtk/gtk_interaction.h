#pragma once
// What needs a person, answered by a person: modal dialogs become modal GTK windows, alerts become
// message windows, and file choosers GTK's file chooser. Each waits in a nested main loop, so the
// code that asked gets its answer as the headless toolkit would give it.
#include <gtk/gtk.h>

#include <string>
#include <vector>

#include "platform/ui/interaction.h"

namespace platform::ui::gtk {

class GtkInteraction : public Interaction {
 public:
  // parent: the window dialogs belong to (may be null); pictureFolders as for WindowRenderer.
  GtkInteraction(GtkWindow* parent, std::vector<std::string> pictureFolders);

  int runModal(Window& window) override;
  int alert(const AlertRequest& request) override;
  std::optional<std::string> chooseFile(const FileRequest& request) override;
  void beep() override;
  OSStatus openHelp(const std::string& book, const std::string& page, const std::string& anchor) override;

 private:
  GtkWindow* parent_;
  std::vector<std::string> pictureFolders_;
};

}  // namespace platform::ui::gtk

#pragma once
// The extension's panels as tabs of GTK's print dialog: one page per panel, in the order of the
// shell's panel pop-up, each drawn by a renderer of its own into the page. Choosing a tab is the
// user's choice of that panel in the pop-up, which is not drawn. On a printer that is not
// Korvo's every page says so in one line instead.
#include <gtk/gtk.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/print_dialog.h"
#include "platform/ui/gtk/window_renderer.h"

namespace korvo_host {

class PanelTabs {
 public:
  // Reads the panels' titles from dialog's pop-up and adds one page for each to notebook.
  PanelTabs(GtkNotebook* notebook, GtkWindow* toplevel, PrintDialog& dialog, std::vector<std::string> pictureFolders);
  ~PanelTabs();
  PanelTabs(const PanelTabs&) = delete;
  PanelTabs& operator=(const PanelTabs&) = delete;

  // Draws dialog's panels in the pages (the extension was reopened on another printer).
  void show(PrintDialog& dialog);
  // The extension is gone: every page says why, in one line.
  void showForeign(const std::string& line);
  // Empties the pages (the extension is about to close).
  void clear();
  // Brings the panel of the tab in front to the front of the extension, if it is not there: the
  // extension opens on a panel of its own choice.
  void followCurrentTab();

  // The tab labels, in panel order.
  const std::vector<GtkWidget*>& labels() const { return labels_; }

 private:
  static void OnSwitchPage(GtkNotebook*, GtkWidget* page, guint, gpointer data);
  void choosePanel(GtkWidget* page);

  GtkNotebook* notebook_;
  GtkWindow* toplevel_;
  std::vector<std::string> pictureFolders_;
  std::vector<GtkWidget*> pages_, labels_;  // owned by the notebook
  std::vector<std::unique_ptr<platform::ui::gtk::WindowRenderer>> renderers_;
  std::vector<GtkWidget*> notes_;  // the one-line labels of a foreign printer
  PrintDialog* dialog_ = nullptr;
};

}  // namespace korvo_host

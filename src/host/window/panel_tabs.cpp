#include "host/window/panel_tabs.h"

#include <algorithm>

#include "platform/ui/user_driver.h"

namespace korvo_host {
namespace {

namespace ui = platform::ui;

// The pop-up that switches the panels: the one control that names a pane for its items.
ui::Control* PanelChooser(ui::Control& control) {
  if (!control.panesShown().empty()) return &control;
  for (const std::unique_ptr<ui::Control>& child : control.children())
    if (ui::Control* found = PanelChooser(*child)) return found;
  return nullptr;
}

struct Panel {
  std::string title;
  ui::Control* pane = nullptr;
};

std::vector<Panel> PanelsOf(PrintDialog& dialog) {
  std::vector<Panel> panels;
  ui::Control* chooser = PanelChooser(dialog.window().content());
  if (chooser == nullptr) return panels;
  const std::vector<ui::ControlID>& panes = chooser->panesShown();
  for (std::size_t i = 0; i < panes.size(); ++i) {
    const ui::MenuItem* item = chooser->menu().item(static_cast<int>(i) + 1);
    panels.push_back({item != nullptr ? item->text : std::string(), dialog.window().content().find(panes[i])});
  }
  return panels;
}

}  // namespace

PanelTabs::PanelTabs(GtkNotebook* notebook, GtkWindow* toplevel, PrintDialog& dialog,
                     std::vector<std::string> pictureFolders)
    : notebook_(notebook), toplevel_(toplevel), pictureFolders_(std::move(pictureFolders)) {
  int position = 1;  // right after GTK's General tab
  for (const Panel& panel : PanelsOf(dialog)) {
    GtkWidget* page = gtk_fixed_new();
    GtkWidget* label = gtk_label_new(panel.title.c_str());
    gtk_notebook_insert_page(notebook_, page, label, position++);
    pages_.push_back(page);
    labels_.push_back(label);
  }
  g_signal_connect(notebook_, "switch-page", G_CALLBACK(OnSwitchPage), this);
  show(dialog);
}

PanelTabs::~PanelTabs() {
  g_signal_handlers_disconnect_by_data(notebook_, this);
  clear();
}

void PanelTabs::clear() {
  renderers_.clear();
  for (GtkWidget* note : notes_) gtk_fixed_remove(GTK_FIXED(gtk_widget_get_parent(note)), note);
  notes_.clear();
  dialog_ = nullptr;
}

void PanelTabs::show(PrintDialog& dialog) {
  clear();
  dialog_ = &dialog;
  const std::vector<Panel> panels = PanelsOf(dialog);
  for (std::size_t i = 0; i < pages_.size() && i < panels.size(); ++i)
    if (panels[i].pane != nullptr)
      renderers_.push_back(std::make_unique<ui::gtk::WindowRenderer>(dialog.window(), *panels[i].pane, pages_[i],
                                                                     toplevel_, pictureFolders_));
  followCurrentTab();
}

void PanelTabs::showForeign(const std::string& line) {
  clear();
  for (GtkWidget* page : pages_) {
    GtkWidget* note = gtk_label_new(line.c_str());
    gtk_fixed_put(GTK_FIXED(page), note, 12, 12);
    notes_.push_back(note);
  }
}

void PanelTabs::OnSwitchPage(GtkNotebook*, GtkWidget* page, guint, gpointer data) {
  static_cast<PanelTabs*>(data)->choosePanel(page);
}

void PanelTabs::followCurrentTab() {
  choosePanel(gtk_notebook_get_nth_page(notebook_, gtk_notebook_get_current_page(notebook_)));
}

// The same user action as choosing the panel's title in the shell's pop-up, unless that panel is
// in front already.
void PanelTabs::choosePanel(GtkWidget* page) {
  const auto found = std::find(pages_.begin(), pages_.end(), page);
  if (dialog_ == nullptr || found == pages_.end()) return;
  const std::size_t index = static_cast<std::size_t>(found - pages_.begin());
  const std::vector<Panel> panels = PanelsOf(*dialog_);
  if (index >= panels.size() || panels[index].pane == nullptr || panels[index].pane->isReallyVisible()) return;
  ui::UserDriver user;
  user.chooseItem(*PanelChooser(dialog_->window().content()), static_cast<int>(index) + 1);
  ui::gtk::WindowRenderer::RefreshAll();
}

}  // namespace korvo_host

#include "host/window/gtk_print_dialog_parts.h"

#include <sstream>

#include "host/window/layout_report.h"
#include "platform/ui/gtk/screen_place.h"

namespace korvo_host {

GtkNotebook* FindNotebook(GtkWidget* widget) {
  if (GTK_IS_NOTEBOOK(widget)) return GTK_NOTEBOOK(widget);
  for (GtkWidget* child = gtk_widget_get_first_child(widget); child != nullptr; child = gtk_widget_get_next_sibling(child))
    if (GtkNotebook* found = FindNotebook(child)) return found;
  return nullptr;
}

std::vector<GtkWidget*> NotebookPages(GtkNotebook* notebook) {
  std::vector<GtkWidget*> pages;
  for (int i = 0; i < gtk_notebook_get_n_pages(notebook); ++i) pages.push_back(gtk_notebook_get_nth_page(notebook, i));
  return pages;
}

void ShowPrinterOptionPages(const std::vector<GtkWidget*>& pages, bool shown) {
  static const char* const kHiddenByUs = "korvo-hidden";
  for (GtkWidget* page : pages) {
    const bool ours = g_object_get_data(G_OBJECT(page), kHiddenByUs) != nullptr;
    if (!shown && gtk_widget_get_visible(page)) {
      gtk_widget_set_visible(page, FALSE);
      g_object_set_data(G_OBJECT(page), kHiddenByUs, GINT_TO_POINTER(1));
    } else if (shown && ours) {
      gtk_widget_set_visible(page, TRUE);
      g_object_set_data(G_OBJECT(page), kHiddenByUs, nullptr);
    }
  }
}

std::string DialogButtonLines(GtkDialog* dialog) {
  std::ostringstream out;
  for (const int response : {GTK_RESPONSE_OK, GTK_RESPONSE_CANCEL}) {
    GtkWidget* button = gtk_dialog_get_widget_for_response(dialog, response);
    if (button == nullptr || !gtk_widget_get_mapped(button)) continue;
    const auto place = platform::ui::gtk::ScreenPlaceOf(button);
    if (!place) continue;
    std::string title = GTK_IS_BUTTON(button) && gtk_button_get_label(GTK_BUTTON(button)) != nullptr
                            ? gtk_button_get_label(GTK_BUTTON(button))
                            : "";
    std::erase(title, '_');  // the mnemonic's mark
    out << "dialog-button " << place->x << ' ' << place->y << ' ' << place->width << ' ' << place->height << ' '
        << OneLine(title) << '\n';
  }
  return out.str();
}

}  // namespace korvo_host

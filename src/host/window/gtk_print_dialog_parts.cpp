#include "host/window/gtk_print_dialog_parts.h"

#include <sstream>
#include <string_view>

#include <gtk/gtkunixprint.h>

#include "host/window/layout_report.h"
#include "platform/glib_handles.h"
#include "platform/ui/gtk/screen_place.h"

namespace korvo_host {

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

namespace {

template <typename Wanted>
GtkWidget* FindWidget(GtkWidget* widget, Wanted wanted) {
  if (wanted(widget)) return widget;
  for (GtkWidget* child = gtk_widget_get_first_child(widget); child != nullptr;
       child = gtk_widget_get_next_sibling(child))
    if (GtkWidget* found = FindWidget(child, wanted)) return found;
  return nullptr;
}

}  // namespace

GtkNotebook* FindNotebook(GtkWidget* dialog) {
  return GTK_NOTEBOOK(FindWidget(dialog, [](GtkWidget* w) { return GTK_IS_NOTEBOOK(w); }));
}

std::string PrinterListLines(GtkWidget* dialog) {
  GtkWidget* view = FindWidget(dialog, [](GtkWidget* w) { return GTK_IS_COLUMN_VIEW(w); });
  if (view == nullptr) return {};
  GListModel* printers = G_LIST_MODEL(gtk_column_view_get_model(GTK_COLUMN_VIEW(view)));
  // The rows' widgets, in the list's order, after the column titles.
  GtkWidget* list = FindWidget(view, [](GtkWidget* w) { return GTK_IS_LIST_VIEW(w); });
  std::vector<GtkWidget*> rows;
  for (GtkWidget* row = list != nullptr ? gtk_widget_get_first_child(list) : nullptr; row != nullptr;
       row = gtk_widget_get_next_sibling(row))
    if (gtk_widget_get_mapped(row)) rows.push_back(row);
  std::ostringstream out;
  for (guint i = 0; printers != nullptr && i < g_list_model_get_n_items(printers); ++i) {
    const platform::GObjectPtr<GObject> item(G_OBJECT(g_list_model_get_item(printers, i)));
    if (!item || !GTK_IS_PRINTER(item.get())) continue;
    std::optional<platform::ui::Rect> place;
    if (i < rows.size()) place = platform::ui::gtk::ScreenPlaceOf(rows[i]);
    const platform::ui::Rect at = place.value_or(platform::ui::Rect{});
    out << "printer " << at.x << ' ' << at.y << ' ' << at.width << ' ' << at.height << ' '
        << OneLine(gtk_printer_get_name(GTK_PRINTER(item.get()))) << '\n';
  }
  return out.str();
}

std::string GtkFieldLines(GtkWidget* dialog) {
  std::ostringstream out;
  for (const char* id : {"copies_spin", "page_range_radio", "page_range_entry", "paper_size_combo"}) {
    GtkWidget* field = FindWidget(dialog, [id](GtkWidget* w) {
      const char* named = gtk_buildable_get_buildable_id(GTK_BUILDABLE(w));
      return named != nullptr && std::string_view(named) == id;
    });
    const auto place = field != nullptr && gtk_widget_get_mapped(field) ? platform::ui::gtk::ScreenPlaceOf(field)
                                                                         : std::nullopt;
    if (place) out << "gtk-field " << place->x << ' ' << place->y << ' ' << place->width << ' ' << place->height << ' ' << id << '\n';
  }
  return out.str();
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

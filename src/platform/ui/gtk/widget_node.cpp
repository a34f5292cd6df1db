#include "platform/ui/gtk/widget_node.h"

#include "platform/ui/gtk/window_renderer.h"

namespace platform::ui::gtk {

WidgetNode::WidgetNode(WindowRenderer& renderer, Control& c, Control* p)
    : owner(renderer), control(&c), kind(c.kind()), parent(p) {}

WidgetNode::~WidgetNode() {
  if (outer == nullptr) return;
  // Signals of the widgets point at this node: they must not outlive it.
  for (GtkWidget* widget : {outer, main, entry, area})
    if (widget != nullptr) g_signal_handlers_disconnect_by_data(widget, this);
  for (GObject* source : signalSources) g_signal_handlers_disconnect_by_data(source, this);
  if (main != nullptr && GTK_IS_TEXT_VIEW(main))
    g_signal_handlers_disconnect_by_data(gtk_text_view_get_buffer(GTK_TEXT_VIEW(main)), this);
  if (main != nullptr && GTK_IS_MENU_BUTTON(main))
    if (GtkPopover* popover = gtk_menu_button_get_popover(GTK_MENU_BUTTON(main)))
      g_signal_handlers_disconnect_by_data(popover, this);
  if (GtkWidget* container = gtk_widget_get_parent(outer); container != nullptr && GTK_IS_FIXED(container))
    gtk_fixed_remove(GTK_FIXED(container), outer);
  g_object_unref(outer);
}

std::size_t UTF16IndexOfCharIndex(const std::string& text, int chars) {
  std::size_t units = 0;
  const char* p = text.c_str();
  const char* end = p + text.size();
  for (int i = 0; i < chars && p < end; ++i) {
    units += g_utf8_get_char(p) >= 0x10000 ? 2 : 1;
    p = g_utf8_next_char(p);
  }
  return units;
}

int CharIndexOfUTF16Index(const std::string& text, std::size_t units) {
  int chars = 0;
  std::size_t seen = 0;
  const char* p = text.c_str();
  const char* end = p + text.size();
  while (p < end && seen < units) {
    seen += g_utf8_get_char(p) >= 0x10000 ? 2 : 1;
    p = g_utf8_next_char(p);
    ++chars;
  }
  return chars;
}

}  // namespace platform::ui::gtk

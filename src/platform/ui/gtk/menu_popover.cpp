// The open menu of a pop-up, menu button or combo box: one flat button per item, submenu items
// indented under their item, disabled items greyed and separators drawn as lines.
#include "platform/ui/gtk/widget_node.h"
#include "platform/ui/gtk/window_renderer.h"

namespace platform::ui::gtk {
namespace {

constexpr int kMenuMaxHeight = 360;

void OnItemChosen(GtkButton* button, gpointer data) {
  auto& node = *static_cast<WidgetNode*>(data);
  const int item = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(button), "korvo-item"));
  const int subItem = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(button), "korvo-subitem"));
  if (GtkWidget* popover = gtk_widget_get_ancestor(GTK_WIDGET(button), GTK_TYPE_POPOVER))
    gtk_popover_popdown(GTK_POPOVER(popover));
  node.owner.act(node.control, [item, subItem](UserDriver& driver, Control& control) {
    return driver.chooseItem(control, item, subItem);
  });
}

void OnClosed(GtkPopover*, gpointer data) {
  auto& node = *static_cast<WidgetNode*>(data);
  node.owner.setOpenMenu(nullptr, nullptr);
}

void AppendItem(GtkWidget* box, WidgetNode& node, const MenuItem& entry, int item, int subItem, bool chosen) {
  if (entry.separator) {
    gtk_box_append(GTK_BOX(box), gtk_separator_new(GTK_ORIENTATION_HORIZONTAL));
    return;
  }
  std::string label = (subItem > 0 ? "    " : "") + entry.text;
  GtkWidget* button = gtk_button_new_with_label(label.c_str());
  gtk_button_set_has_frame(GTK_BUTTON(button), FALSE);
  if (GtkWidget* text = gtk_button_get_child(GTK_BUTTON(button)); text != nullptr && GTK_IS_LABEL(text))
    gtk_label_set_xalign(GTK_LABEL(text), 0.0f);
  if (entry.checked || chosen) gtk_widget_add_css_class(button, "suggested-action");
  gtk_widget_set_sensitive(button, entry.enabled);
  g_object_set_data(G_OBJECT(button), "korvo-item", GINT_TO_POINTER(item));
  g_object_set_data(G_OBJECT(button), "korvo-subitem", GINT_TO_POINTER(subItem));
  // An item with a submenu is a heading; its sub-items are what one chooses.
  if (entry.submenu == nullptr) g_signal_connect(button, "clicked", G_CALLBACK(OnItemChosen), &node);
  else gtk_widget_set_sensitive(button, FALSE);
  gtk_box_append(GTK_BOX(box), button);
}

}  // namespace

GtkWidget* CreateMenuPopover(WidgetNode& node) {
  GtkWidget* popover = gtk_popover_new();
  gtk_popover_set_has_arrow(GTK_POPOVER(popover), FALSE);
  GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
  const Control& control = *node.control;
  if (const Menu* menu = control.menuIfAny()) {
    const int chosen = node.kind == ControlKind::PopupButton ? control.value() : 0;
    for (int item = 1; item <= menu->count(); ++item) {
      const MenuItem& entry = *menu->item(item);
      AppendItem(box, node, entry, item, 0, item == chosen);
      if (entry.submenu != nullptr)
        for (int sub = 1; sub <= entry.submenu->count(); ++sub)
          AppendItem(box, node, *entry.submenu->item(sub), item, sub, false);
    }
  }
  // A long menu (the paper menu with its submenus) scrolls rather than running off the screen,
  // where GTK would not show it at all.
  GtkWidget* scroller = gtk_scrolled_window_new();
  gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scroller), GTK_POLICY_NEVER, GTK_POLICY_AUTOMATIC);
  gtk_scrolled_window_set_max_content_height(GTK_SCROLLED_WINDOW(scroller), kMenuMaxHeight);
  gtk_scrolled_window_set_propagate_natural_height(GTK_SCROLLED_WINDOW(scroller), TRUE);
  gtk_scrolled_window_set_propagate_natural_width(GTK_SCROLLED_WINDOW(scroller), TRUE);
  gtk_scrolled_window_set_child(GTK_SCROLLED_WINDOW(scroller), box);
  gtk_popover_set_child(GTK_POPOVER(popover), scroller);
  g_object_set_data(G_OBJECT(popover), kMenuItemsKey, box);
  g_signal_connect(popover, "closed", G_CALLBACK(OnClosed), &node);
  node.owner.setOpenMenu(popover, node.control);
  return popover;
}

}  // namespace platform::ui::gtk

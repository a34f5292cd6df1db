// The open menu of a pop-up, menu button or combo box: one flat button per item, submenu items
// indented under their heading, disabled items greyed and separators drawn as lines. A menu
// taller than the screen scrolls, with its scroll bar always drawn, so that nobody takes its last
// visible item for its end.
#include <algorithm>

#include "platform/ui/gtk/screen_place.h"
#include "platform/ui/gtk/widget_node.h"
#include "platform/ui/gtk/window_renderer.h"

namespace platform::ui::gtk {
namespace {

// Kept free of the menu above and below it on the screen: the popover's frame and shadow, and a
// little room for the pointer.
constexpr int kScreenMargin = 48;
constexpr int kScrollBarRoom = 16;
// The indent of a submenu's items under its heading.
constexpr int kSubItemIndent = 16;

// Below its button when the menu fits there; else beside it, where GTK slides it up or down to
// keep it on the screen, as tall as the screen allows (then it scrolls).
void FitOnScreen(GtkWidget* popover, GtkWidget* scroller, GtkWidget* items, GtkWidget* button) {
  const std::optional<Rect> screen = ScreenOf(button), place = ScreenPlaceOf(button);
  if (!screen || !place) return;
  int natural = 0;
  gtk_widget_measure(items, GTK_ORIENTATION_VERTICAL, -1, nullptr, &natural, nullptr, nullptr);
  const int below = screen->y + screen->height - (place->y + place->height) - kScreenMargin;
  if (natural <= below) {
    gtk_scrolled_window_set_max_content_height(GTK_SCROLLED_WINDOW(scroller), std::max(below, 100));
    return;
  }
  gtk_popover_set_position(GTK_POPOVER(popover), GTK_POS_RIGHT);
  const int tallest = std::max(screen->height - 2 * kScreenMargin, 100);
  gtk_scrolled_window_set_max_content_height(GTK_SCROLLED_WINDOW(scroller), tallest);
  // The scroll bar takes room beside the items, which their width does not count.
  if (natural > tallest) gtk_widget_set_margin_end(items, kScrollBarRoom);
}

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
  GtkWidget* button = gtk_button_new_with_label(entry.text.c_str());
  gtk_button_set_has_frame(GTK_BUTTON(button), FALSE);
  if (GtkWidget* text = gtk_button_get_child(GTK_BUTTON(button)); text != nullptr && GTK_IS_LABEL(text)) {
    gtk_label_set_xalign(GTK_LABEL(text), 0.0f);
    if (subItem > 0) gtk_widget_set_margin_start(text, kSubItemIndent);
  }
  if (entry.checked || chosen) gtk_widget_add_css_class(button, "suggested-action");
  gtk_widget_set_sensitive(button, entry.enabled);
  g_object_set_data(G_OBJECT(button), "korvo-item", GINT_TO_POINTER(item));
  g_object_set_data(G_OBJECT(button), "korvo-subitem", GINT_TO_POINTER(subItem));
  // An item with a submenu is a heading, drawn bold in the text colour rather than greyed like an
  // item one may not choose; it takes neither the pointer nor the keyboard. Its sub-items are
  // what one chooses.
  if (entry.submenu == nullptr) {
    g_signal_connect(button, "clicked", G_CALLBACK(OnItemChosen), &node);
  } else {
    gtk_widget_add_css_class(button, "korvo-menu-heading");
    gtk_widget_set_can_target(button, FALSE);
    gtk_widget_set_focusable(button, FALSE);
  }
  gtk_box_append(GTK_BOX(box), button);
}

}  // namespace

void OpenMenuPopover(WidgetNode& node) {
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
  // where GTK would not show it at all; it is as tall as the screen allows, and a scroll bar
  // that stays drawn (not GTK's overlay one, which shows only under the pointer) says there is
  // more.
  GtkWidget* scroller = gtk_scrolled_window_new();
  gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scroller), GTK_POLICY_NEVER, GTK_POLICY_AUTOMATIC);
  gtk_scrolled_window_set_overlay_scrolling(GTK_SCROLLED_WINDOW(scroller), FALSE);
  gtk_scrolled_window_set_propagate_natural_height(GTK_SCROLLED_WINDOW(scroller), TRUE);
  gtk_scrolled_window_set_propagate_natural_width(GTK_SCROLLED_WINDOW(scroller), TRUE);
  gtk_scrolled_window_set_child(GTK_SCROLLED_WINDOW(scroller), box);
  gtk_popover_set_child(GTK_POPOVER(popover), scroller);
  g_object_set_data(G_OBJECT(popover), kMenuItemsKey, box);
  g_signal_connect(popover, "closed", G_CALLBACK(OnClosed), &node);
  node.owner.setOpenMenu(popover, node.control);
  gtk_menu_button_set_popover(GTK_MENU_BUTTON(node.main), popover);
  FitOnScreen(popover, scroller, box, node.main);
}

}  // namespace platform::ui::gtk

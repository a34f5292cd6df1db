#pragma once
// The widgets that stand for one control, and the functions that make and update them by kind.
#include <gtk/gtk.h>

#include <string>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/drawn_images.h"

namespace platform::ui::gtk {

class WindowRenderer;

struct WidgetNode {
  WidgetNode(WindowRenderer& renderer, Control& control, Control* parent);
  ~WidgetNode();  // takes the widget out of its container and lets it go
  WidgetNode(const WidgetNode&) = delete;
  WidgetNode& operator=(const WidgetNode&) = delete;

  WindowRenderer& owner;
  const Control* control;
  ControlKind kind;
  const Control* parent;
  GtkWidget* outer = nullptr;  // placed in the parent's container; the node holds a reference
  GtkWidget* fixed = nullptr;  // where the children's widgets go (containers only)
  GtkWidget* main = nullptr;   // the widget that shows the control's own content
  GtkWidget* entry = nullptr;  // the text field of a combo box
  GtkWidget* area = nullptr;   // draws the pictures recorded on the control
  GtkWidget* header = nullptr; // the column titles of a list view
  std::vector<DrawnImage> images;
  std::vector<DrawnSheet> sheets;
  std::string pictureName;  // the picture file a picture control shows now
  std::string listContent;  // the columns and rows a list view shows now
  bool userInput = false;   // a press or key in a list view, not yet followed by a selection
  std::vector<GObject*> signalSources;  // other objects whose signals point at the node
  Rect bounds;
  bool seen = false;
  bool placed = false;
  bool grouped = false;  // a radio button joined to its group's first button
};

// Makes the widgets of node's control (node.outer and the rest).
void CreateWidgets(WidgetNode& node);
// Copies the control's title, value, text and state to its widgets.
void UpdateWidgets(WidgetNode& node, Control& control);

// The popover's box of item buttons is kept on it under this key.
inline constexpr const char* kMenuItemsKey = "korvo-menu-items";

// Gives the node's menu button (node.main) a popover with the items of the control's menu, as
// they are now, placed so that it fits the screen.
void OpenMenuPopover(WidgetNode& node);

// Positions in a string, between GTK's characters and the toolkit's UTF-16 units.
std::size_t UTF16IndexOfCharIndex(const std::string& text, int chars);
int CharIndexOfUTF16Index(const std::string& text, std::size_t units);

}  // namespace platform::ui::gtk

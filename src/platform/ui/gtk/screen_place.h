#pragma once
// Where a widget is on the screen, for scripts that click it with a synthetic pointer: its
// bounds in its surface, moved by where that surface lies on the screen.
#include <gtk/gtk.h>

#include <optional>

#include "platform/ui/control.h"

namespace platform::ui::gtk {

// The widget's place in screen coordinates; none until it is mapped and laid out. Off X11 the
// screen position of a toplevel cannot be asked, and toplevels count as lying at the origin.
std::optional<Rect> ScreenPlaceOf(GtkWidget* widget);
// The monitor the widget is shown on, in the same coordinates; none until it is mapped.
std::optional<Rect> ScreenOf(GtkWidget* widget);
// Whether inner lies wholly within outer.
bool Inside(const Rect& inner, const Rect& outer);

}  // namespace platform::ui::gtk

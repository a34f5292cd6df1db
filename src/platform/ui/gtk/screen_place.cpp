#include "platform/ui/gtk/screen_place.h"

#if defined(GDK_WINDOWING_X11) && defined(KORVO_HAVE_X11)
#include <X11/Xlib.h>
#include <gdk/x11/gdkx.h>
#endif

namespace platform::ui::gtk {
namespace {

struct Origin {
  int x = 0, y = 0;
};

// Where the surface's top left corner is on the screen.
Origin SurfaceOrigin(GdkSurface* surface) {
#if defined(GDK_WINDOWING_X11) && defined(KORVO_HAVE_X11)
  if (GDK_IS_X11_SURFACE(surface)) {
    GdkDisplay* display = gdk_surface_get_display(surface);
    Display* xdisplay = gdk_x11_display_get_xdisplay(display);
    ::Window child = 0;
    Origin origin;
    XTranslateCoordinates(xdisplay, gdk_x11_surface_get_xid(surface), DefaultRootWindow(xdisplay), 0, 0, &origin.x,
                          &origin.y, &child);
    return origin;
  }
#endif
  // A popup lies relative to its parent; a toplevel's place is not known and taken as the origin.
  if (GDK_IS_POPUP(surface)) {
    Origin parent = SurfaceOrigin(gdk_popup_get_parent(GDK_POPUP(surface)));
    return {parent.x + gdk_popup_get_position_x(GDK_POPUP(surface)),
            parent.y + gdk_popup_get_position_y(GDK_POPUP(surface))};
  }
  return {};
}

}  // namespace

std::optional<Rect> ScreenPlaceOf(GtkWidget* widget) {
  GtkNative* native = widget != nullptr ? gtk_widget_get_native(widget) : nullptr;
  if (native == nullptr || !gtk_widget_get_mapped(widget)) return std::nullopt;
  GdkSurface* surface = gtk_native_get_surface(native);
  if (surface == nullptr || gtk_widget_get_width(GTK_WIDGET(native)) == 0) return std::nullopt;
  graphene_rect_t box;
  if (!gtk_widget_compute_bounds(widget, GTK_WIDGET(native), &box)) return std::nullopt;
  double dx = 0, dy = 0;
  gtk_native_get_surface_transform(native, &dx, &dy);
  const Origin origin = SurfaceOrigin(surface);
  return Rect{origin.x + static_cast<int>(box.origin.x + dx), origin.y + static_cast<int>(box.origin.y + dy),
              static_cast<int>(box.size.width), static_cast<int>(box.size.height)};
}

std::optional<Rect> ScreenOf(GtkWidget* widget) {
  GtkNative* native = widget != nullptr ? gtk_widget_get_native(widget) : nullptr;
  GdkSurface* surface = native != nullptr ? gtk_native_get_surface(native) : nullptr;
  if (surface == nullptr || !gtk_widget_get_mapped(widget)) return std::nullopt;
  GdkMonitor* monitor = gdk_display_get_monitor_at_surface(gdk_surface_get_display(surface), surface);
  if (monitor == nullptr) return std::nullopt;
  GdkRectangle geometry;
  gdk_monitor_get_geometry(monitor, &geometry);
  return Rect{geometry.x, geometry.y, geometry.width, geometry.height};
}

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width &&
         inner.y + inner.height <= outer.y + outer.height;
}

}  // namespace platform::ui::gtk

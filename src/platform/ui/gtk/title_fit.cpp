#include "platform/ui/gtk/title_fit.h"

#include <pango/pango.h>

#include "platform/glib_handles.h"

namespace platform::ui::gtk {

GtkLabel* TitleLabelOf(GtkWidget* widget) {
  if (widget == nullptr) return nullptr;
  if (GTK_IS_LABEL(widget)) return GTK_LABEL(widget);
  for (GtkWidget* child = gtk_widget_get_first_child(widget); child != nullptr; child = gtk_widget_get_next_sibling(child))
    if (GtkLabel* label = TitleLabelOf(child)) return label;
  return nullptr;
}

namespace {

// How many lines of the label's font (its own size included) the widget's place holds; one at the
// least. GTK takes lines below 1 for a single line.
int LinesThatFit(GtkLabel* label, GtkWidget* widget) {
  int height = 0;
  gtk_widget_get_size_request(widget, nullptr, &height);
  const GObjectPtr<PangoLayout> line(gtk_widget_create_pango_layout(GTK_WIDGET(label), "Xg"));
  if (PangoAttrList* attributes = gtk_label_get_attributes(label)) pango_layout_set_attributes(line.get(), attributes);
  int lineHeight = 0;
  pango_layout_get_pixel_size(line.get(), nullptr, &lineHeight);
  return lineHeight > 0 && height > lineHeight ? height / lineHeight : 1;
}

}  // namespace

void KeepTitleInside(GtkWidget* widget) {
  GtkLabel* label = TitleLabelOf(widget);
  if (label == nullptr) return;
  if (gtk_label_get_ellipsize(label) != PANGO_ELLIPSIZE_END) gtk_label_set_ellipsize(label, PANGO_ELLIPSIZE_END);
  // A label that may wrap keeps the lines its place holds; only the last of them is cut short.
  if (gtk_label_get_wrap(label)) {
    const int lines = LinesThatFit(label, widget);
    if (gtk_label_get_lines(label) != lines) gtk_label_set_lines(label, lines);
  }
}

std::optional<TitleFit> MeasureTitle(GtkWidget* widget) {
  GtkLabel* label = TitleLabelOf(widget);
  if (label == nullptr || !gtk_widget_get_mapped(GTK_WIDGET(label))) return std::nullopt;
  const char* text = gtk_label_get_text(label);
  if (text == nullptr || *text == '\0') return std::nullopt;
  const int width = gtk_widget_get_width(GTK_WIDGET(label));
  const int height = gtk_widget_get_height(GTK_WIDGET(label));
  const GObjectPtr<PangoLayout> layout(gtk_widget_create_pango_layout(GTK_WIDGET(label), text));
  if (PangoAttrList* attributes = gtk_label_get_attributes(label)) pango_layout_set_attributes(layout.get(), attributes);
  const bool wraps = gtk_label_get_wrap(label);
  if (wraps) {
    pango_layout_set_width(layout.get(), width * PANGO_SCALE);
    pango_layout_set_wrap(layout.get(), gtk_label_get_wrap_mode(label));
  }
  int needWidth = 0, needHeight = 0;
  pango_layout_get_pixel_size(layout.get(), &needWidth, &needHeight);
  // The label may have been given more than its widget's place: a label that grew past the
  // widget's bounds is no more inside its control than a cut one.
  const int outerWidth = gtk_widget_get_width(widget), outerHeight = gtk_widget_get_height(widget);
  graphene_rect_t box;
  bool inside = gtk_widget_compute_bounds(GTK_WIDGET(label), widget, &box) && box.origin.x >= 0 &&
                box.origin.y >= 0 && box.origin.x + box.size.width <= static_cast<float>(outerWidth) + 0.5f &&
                box.origin.y + box.size.height <= static_cast<float>(outerHeight) + 0.5f;
  const bool fits = inside && (wraps ? needHeight <= height : needWidth <= width);
  return TitleFit{text, fits};
}

}  // namespace platform::ui::gtk

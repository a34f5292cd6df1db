#pragma once
// Titles kept inside their controls: the label of a control's widget is cut short (with an
// ellipsis) rather than pushing the widget past its described size, and Pango, which lays the
// label out, says whether the whole title would fit.
#include <gtk/gtk.h>

#include <optional>
#include <string>

namespace platform::ui::gtk {

// The label showing the title of a button, check box, pop-up, group box or static text: the
// widget itself or its first label inside; null when it has none.
GtkLabel* TitleLabelOf(GtkWidget* widget);

// Lets the widget's title label shrink to the widget's size, ending in an ellipsis; a wrapping
// label keeps as many lines as the widget's height holds.
void KeepTitleInside(GtkWidget* widget);

struct TitleFit {
  std::string text;  // the title as shown
  bool fits = true;  // the whole text is drawn inside the label's place
};

// Whether the title label's whole text fits its place, measured with Pango in the label's font;
// none when the widget shows no title or is not laid out yet. A wrapping label fits when its
// lines, wrapped at its width, are no taller than its place.
std::optional<TitleFit> MeasureTitle(GtkWidget* widget);

}  // namespace platform::ui::gtk

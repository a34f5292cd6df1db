#pragma once
// What a control's drawing put on it. The toolkit has no pixels of its own: a control's draw
// handlers record the pictures and sheets they draw, and a renderer for a real window (or a test) reads them.
#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace platform::ui {

// A picture drawn into a control: the file it comes from and where it lies, in the coordinates
// of the control's bounds (the enclosing control's coordinates).
struct DrawnImage {
  std::string path;
  Rect rect;
  friend bool operator==(const DrawnImage&, const DrawnImage&) = default;
};

// A sheet of paper drawn into a control, as a preview shows a size: white, outlined in black one
// point wide, at rect (in the same coordinates as a picture's); unfilled, the outline alone frames
// the picture under it.
struct DrawnSheet {
  Rect rect;
  bool filled = true;
  friend bool operator==(const DrawnSheet&, const DrawnSheet&) = default;
};

// The pictures on the control since its area was last erased, in drawing order.
std::vector<DrawnImage> ImagesDrawnIn(const Control& control);
// Replaces them; an empty list erases the control's area.
void SetDrawnImages(Control& control, std::vector<DrawnImage> images);

// The sheets on the control, drawn above its pictures; an empty list erases them.
std::vector<DrawnSheet> SheetsDrawnIn(const Control& control);
void SetDrawnSheets(Control& control, std::vector<DrawnSheet> sheets);

}  // namespace platform::ui

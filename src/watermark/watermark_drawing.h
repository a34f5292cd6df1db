#pragma once
// Drawing a watermark record on a page: the rotated line of text, or the picture.
#include "platform/drawing/drawing_libraries.h"

#include "watermark/watermark_data.h"

// A page rectangle in points, origin bottom left, y up.
struct PageRect {
  double x = 0, y = 0, width = 0, height = 0;
};

// Where a watermark is drawn: a cairo context in its device space (y down, 1 unit a point) and
// the height of its page, by which page coordinates are turned to the context's.
struct WatermarkCanvas {
  cairo_t* cairo = nullptr;
  double height = 0;
};

// Draws the record on the page. A text watermark: the text in the font whose PostScript name is
// fontName (or the system's substitute), fontSize points, the well colour, rotated angle degrees,
// the centre of its ink at the page centre moved by the offsets (inches); its glyphs and origin
// are then kept in the record and the record saved to the watermark file. A picture: the file at
// filePath at scale percent of its size, centred on the page. Anything that cannot be drawn (no
// text and no picture, a font or picture that cannot be had) leaves the page as it was.
void DrawWatermark(const WatermarkCanvas& context, const PageRect& page, WatermarkData* record);

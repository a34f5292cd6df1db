#pragma once
// Drawing a watermark record on a page: the rotated line of text, or the picture.
#include "platform/drawing/drawing_libraries.h"

#include "watermark/watermark_data.h"

// A page rectangle in points, origin bottom left, y up.
struct PageRect {
  double x = 0, y = 0, width = 0, height = 0;
};

// Whether drawing a text watermark files its glyphs and origin with the saved record (what the
// print path needs), or only keeps them in the record drawn: a watermark still being edited is
// not to reach the file before the user confirms it.
enum class GlyphFiling { kSaveWithRecord, kKeepInMemory };

// Where a watermark is drawn: a cairo context in its device space (y down, 1 unit a point) and
// the height of its page, by which page coordinates are turned to the context's.
struct WatermarkCanvas {
  cairo_t* cairo = nullptr;
  double height = 0;
  GlyphFiling filing = GlyphFiling::kSaveWithRecord;
};

// Draws the record on the page. A text watermark: the text in the font whose PostScript name is
// fontName (or the system's substitute), fontSize points, the well colour, rotated angle degrees,
// the centre of its ink at the page centre moved by the offsets (inches); its glyphs and origin
// are then kept in the record, and the record saved to the watermark file unless the canvas
// says kKeepInMemory. A picture: the file at
// filePath at scale percent of its size, centred on the page. Anything that cannot be drawn (no
// text and no picture, a font or picture that cannot be had) leaves the page as it was.
void DrawWatermark(const WatermarkCanvas& context, const PageRect& page, WatermarkData* record);

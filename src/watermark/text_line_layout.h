#pragma once
// One line of text laid out in a font for drawing: its glyphs and the bounds of its ink, as
// FreeType and cairo give them.
#include <optional>
#include <string_view>
#include <vector>

#include "platform/drawing/cairo_handles.h"

struct TextLine {
  platform::CairoFontFace face;
  double size = 0;                    // points
  double angle = 0;                   // degrees, counter-clockwise on the page
  std::vector<cairo_glyph_t> glyphs;  // positions from the origin, before rotation, y down
  // The ink of the rotated line, from the origin, y down: left, top, right, bottom.
  double left = 0, top = 0, right = 0, bottom = 0;
};

// text in face at size points, rotated angle degrees. None when the text is not UTF-8 or cairo
// cannot lay it out.
std::optional<TextLine> LayOutTextLine(std::string_view text, platform::CairoFontFace face, double size,
                                       double angle);

// The line's glyphs drawn with their origin at (x, y) of the context's device space (y down),
// in the context's current source.
void DrawTextLine(cairo_t* cr, const TextLine& line, double x, double y);

#include <string>

#include "platform/locale/utf8_text.h"
#include "watermark/fax_cover.h"

namespace {

double TextWidth(cairo_t* cr, const std::string& text) {
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text.c_str(), &extents);
  return extents.x_advance;
}

// The length of the longest start of text (ending at a space or a character boundary) that fits
// width; at least one character, so that every line makes progress. A line end always ends it.
std::size_t FittingLength(cairo_t* cr, std::string_view text, double width) {
  std::size_t fits = 0, lastSpace = 0, i = 0;
  while (i < text.size() && text[i] != '\n') {
    const std::size_t next = i + platform::NextUTF8Step(text, i).length;
    if (TextWidth(cr, std::string(text.substr(0, next))) > width) break;
    if (text[i] == ' ') lastSpace = i;
    fits = i = next;
  }
  if (i >= text.size() || text[i] == '\n') return fits;
  if (lastSpace > 0) return lastSpace;
  return fits > 0 ? fits : platform::NextUTF8Step(text, 0).length;
}

}  // namespace

void RenderWrappingText(const WatermarkCanvas& context, std::string_view text, const PageRect& rect, double* x,
                        double* y, double lineWidth) {
  cairo_t* cr = context.cairo;
  if (cr == nullptr || x == nullptr || y == nullptr) return;
  cairo_font_extents_t font;
  cairo_font_extents(cr, &font);
  while (!text.empty()) {
    if (*y - font.height < rect.y) return;
    const std::size_t length = FittingLength(cr, text, lineWidth);
    const std::string line(text.substr(0, length));
    cairo_move_to(cr, *x, context.height - (*y - font.ascent));
    cairo_show_text(cr, line.c_str());
    *y -= font.height;
    text.remove_prefix(length);
    if (!text.empty() && (text.front() == ' ' || text.front() == '\n')) text.remove_prefix(1);
  }
}

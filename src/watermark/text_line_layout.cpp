#include "watermark/text_line_layout.h"

#include <numbers>
#include <string>

#include "platform/fonts/font_face.h"

namespace {

double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// Sets the line's font on cr, rotated as the line is.
void UseLineFont(cairo_t* cr, const TextLine& line) {
  cairo_rotate(cr, -Radians(line.angle));
  cairo_set_font_face(cr, line.face.get());
  cairo_set_font_size(cr, line.size);
  platform::SetDeviceIndependentFontOptions(cr);
}

}  // namespace

std::optional<TextLine> LayOutTextLine(std::string_view text, platform::CairoFontFace face, double size,
                                       double angle) {
  if (!face || size <= 0) return std::nullopt;
  TextLine line;
  line.face = std::move(face);
  line.size = size;
  line.angle = angle;
  platform::CairoSurface scratch(cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1));
  platform::CairoContext cr(cairo_create(scratch.get()));
  UseLineFont(cr.get(), line);
  cairo_identity_matrix(cr.get());
  cairo_set_font_size(cr.get(), size);
  cairo_scaled_font_t* font = cairo_get_scaled_font(cr.get());
  cairo_glyph_t* glyphs = nullptr;
  int count = 0;
  const std::string utf8(text);
  if (cairo_scaled_font_text_to_glyphs(font, 0, 0, utf8.data(), static_cast<int>(utf8.size()), &glyphs, &count,
                                       nullptr, nullptr, nullptr) != CAIRO_STATUS_SUCCESS)
    return std::nullopt;
  line.glyphs.assign(glyphs, glyphs + count);
  cairo_glyph_free(glyphs);

  UseLineFont(cr.get(), line);
  cairo_glyph_path(cr.get(), line.glyphs.data(), static_cast<int>(line.glyphs.size()));
  cairo_identity_matrix(cr.get());
  cairo_path_extents(cr.get(), &line.left, &line.top, &line.right, &line.bottom);
  if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) return std::nullopt;
  return line;
}

void DrawTextLine(cairo_t* cr, const TextLine& line, double x, double y) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  UseLineFont(cr, line);
  cairo_show_glyphs(cr, line.glyphs.data(), static_cast<int>(line.glyphs.size()));
  cairo_restore(cr);
}

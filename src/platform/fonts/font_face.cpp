#include "platform/fonts/font_face.h"

#include "platform/drawing/drawing_libraries.h"

#include "platform/fonts/fontconfig_pattern.h"

namespace platform {

CairoFontFace CreateFontFace(const FontFile& font) {
  FcPatternPtr pattern(FcPatternCreate());
  if (!pattern) return nullptr;
  FcPatternAddString(pattern.get(), FC_FILE, reinterpret_cast<const FcChar8*>(font.path.c_str()));
  FcPatternAddInteger(pattern.get(), FC_INDEX, font.faceIndex);
  CairoFontFace face(cairo_ft_font_face_create_for_pattern(pattern.get()));
  if (cairo_font_face_status(face.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  return face;
}

void SetDeviceIndependentFontOptions(cairo_t* cr) {
  CairoFontOptions options(cairo_font_options_create());
  cairo_font_options_set_hint_style(options.get(), CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, options.get());
}

}  // namespace platform

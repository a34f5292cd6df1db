#include "platform/drawing/font_face.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

namespace platform {

CairoFontFace CreateFontFace(const FontFile& font) {
  FcPattern* pattern = FcPatternCreate();
  if (pattern == nullptr) return nullptr;
  FcPatternAddString(pattern, FC_FILE, reinterpret_cast<const FcChar8*>(font.path.c_str()));
  FcPatternAddInteger(pattern, FC_INDEX, font.faceIndex);
  CairoFontFace face(cairo_ft_font_face_create_for_pattern(pattern));
  FcPatternDestroy(pattern);
  if (cairo_font_face_status(face.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  return face;
}

void SetDeviceIndependentFontOptions(cairo_t* cr) {
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
}

}  // namespace platform

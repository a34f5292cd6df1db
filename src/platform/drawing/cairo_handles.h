#pragma once
// Owning handles of cairo objects, released by cairo's own destroy functions.
#include "platform/drawing/drawing_libraries.h"

#include <memory>

namespace platform {

struct CairoDestroy {
  void operator()(cairo_t* c) const { cairo_destroy(c); }
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
  void operator()(cairo_font_face_t* f) const { cairo_font_face_destroy(f); }
  void operator()(cairo_scaled_font_t* f) const { cairo_scaled_font_destroy(f); }
  void operator()(cairo_pattern_t* p) const { cairo_pattern_destroy(p); }
  void operator()(cairo_font_options_t* o) const { cairo_font_options_destroy(o); }
};

using CairoContext = std::unique_ptr<cairo_t, CairoDestroy>;
using CairoSurface = std::unique_ptr<cairo_surface_t, CairoDestroy>;
using CairoFontFace = std::unique_ptr<cairo_font_face_t, CairoDestroy>;
using CairoScaledFont = std::unique_ptr<cairo_scaled_font_t, CairoDestroy>;
using CairoFontOptions = std::unique_ptr<cairo_font_options_t, CairoDestroy>;

}  // namespace platform

#pragma once
// Fonts for drawing: a font file (font_catalog.h) as a cairo font face, drawn through FreeType.
#include "platform/drawing/cairo_handles.h"
#include "platform/fonts/font_catalog.h"

namespace platform {

// The face of the font file, or null when cairo cannot make one.
CairoFontFace CreateFontFace(const FontFile& font);

// Font options that lay text out the same on every surface: no hinting of outlines or metrics,
// so that a preview, a picture and the printed page place every glyph alike.
void SetDeviceIndependentFontOptions(cairo_t* cr);

}  // namespace platform

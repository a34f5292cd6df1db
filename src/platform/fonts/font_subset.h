#pragma once
// Subsets of TrueType fonts, made with HarfBuzz's subsetter: only the glyphs a text needs travel
// with the job, not the whole font.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/fonts/font_catalog.h"

namespace platform {

// A TrueType font holding the given glyphs of font (plus glyph 0 and the components of composite
// glyphs) and nothing else that a printer needs to draw them. Every glyph keeps its index, so glyph
// identifiers laid out with the whole font still name the same glyphs in the subset. None, with
// the reason, when the file cannot be read or its face subset, or when its outlines are not
// TrueType (a CFF font gives no TrueType subset).
std::optional<std::vector<std::uint8_t>> SubsetTrueTypeFont(const FontFile& font, std::span<const std::uint16_t> glyphs,
                                                            std::string* reason);

}  // namespace platform

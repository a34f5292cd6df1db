#pragma once
// The font's Unicode character map ("cmap" platform 3 encoding 1, format 4), read with every
// offset checked: which glyph draws a character.
#include <cstdint>
#include <optional>

#include "watermark/truetype_font.h"

// The glyph of character c, or none when the font has no usable map or does not map c.
std::optional<std::uint16_t> UnicodeGlyph(const TrueTypeFont& font, char32_t c);

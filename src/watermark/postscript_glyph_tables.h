#pragma once
// The two fixed tables of glyph names the Type 42 conversion starts from.
#include <array>

// PostScript's StandardEncoding: the glyph name of every character code, ".notdef" where the
// encoding assigns nothing.
extern const std::array<const char*, 256> StandardEncodings;

// The standard Macintosh glyph order: the names of name indices 0 to 257 of a "post" table of
// format 2.0, and the names of every glyph of a format 1.0 table. Index 2 is kept as "CR" and
// index 257 as "dmacron", the names the print path has always used for those glyphs.
extern const std::array<const char*, 258> macGlyphEncoding;

// The Unicode character of each StandardEncoding name, 0 for ".notdef": how a code finds its glyph
// through the font's character map when no glyph bears the standard name.
extern const std::array<char32_t, 256> StandardEncodingUnicode;

#pragma once
// Names as they go into a Type 42 program: the font's name and its glyphs' names, always valid
// PostScript names, so that no name can break the program's syntax.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "watermark/truetype_font.h"

// The longest font name kept, in bytes of UTF-8.
inline constexpr std::size_t kType42FontNameLimit = 511;

// True for a name of 1 to 127 printable ASCII characters without PostScript's delimiters.
bool IsPostScriptName(std::string_view name);

// name cut at kType42FontNameLimit bytes on a character boundary, with every character that may
// not stand in a PostScript name (a delimiter, a space or control, anything outside ASCII)
// replaced by one "_". An empty name becomes "Untitled".
std::string PostScriptFontName(std::string_view name);

// The name of every glyph, from the "post" table: format 1.0 the standard Macintosh names,
// format 2.0 its own names (a name that is not a valid PostScript name becomes "gNNN" with the
// glyph index), any other format "gNNN" for every glyph. Glyph 0 is always ".notdef". None, with
// the "DEBUG: ..." line in reason, when a format 2.0 table does not match numGlyphs, its index
// array or strings run past the table, or a name index points past its strings.
std::optional<std::vector<std::string>> Type42GlyphNames(const TrueTypeFont& font, std::string* reason);

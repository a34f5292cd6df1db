#pragma once
// TrueType to Type 42: wraps a whole TrueType font as a PostScript Type 42 font program, the form
// in which a watermark's font travels to a PostScript printer. A pure function of the font bytes
// and the name.
#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

#include "watermark/truetype_font.h"

enum class Type42Result {
  kDone = 0,
  kRejected,     // the font cannot be read, or is of a kind that is not converted
  kCannotSplit,  // a table the program needs cannot be cut into strings PostScript can hold
};

// Appends the Type 42 program of font, named fontName (made a valid PostScript name, at most 511
// bytes), to *output; on any failure appends nothing and writes one "DEBUG: ..." line saying why
// to diagnostics (when given). The font bytes are only read.
Type42Result convertTTFtoPS42(FontBytes font, std::string_view fontName, std::string* output,
                              std::ostream* diagnostics);

// The glyph each code 0 to 255 of a program's Encoding draws (0: ".notdef").
using Type42GlyphEncoding = std::array<std::uint16_t, 256>;

// The same for a font whose text is sent as glyph codes rather than characters (a subset made for
// one watermark): code c draws glyph encoding[c]; a glyph past the font's last draws ".notdef".
Type42Result convertTTFtoPS42(FontBytes font, std::string_view fontName, const Type42GlyphEncoding& encoding,
                              std::string* output, std::ostream* diagnostics);

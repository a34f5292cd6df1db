#pragma once
// The font bytes a Type 42 program carries, and their cutting into the strings of its sfnts
// array.
#include <cstdint>
#include <string>
#include <vector>

#include "watermark/truetype_font.h"

// The longest run of font bytes in one sfnts string: with the pad byte it fills PostScript's
// 65,535-byte string limit.
inline constexpr std::size_t kSfntsStringLimit = 65534;

// The font as the program carries it: the tables a Type 42 interpreter may use, each at a 4-byte
// boundary, under a fresh directory, and the offsets at which a string may end (every table start,
// every glyph start on a 4-byte boundary).
struct Type42FontBytes {
  std::vector<std::uint8_t> bytes;
  std::vector<std::size_t> breakPoints;  // ascending
  std::vector<std::uint32_t> leftOut;    // tags of the tables not carried
};

// True for the tables no Type 42 interpreter reads (layout, kerning, signatures, device metrics).
bool IsTableLeftOut(std::uint32_t tag);

Type42FontBytes BuildType42FontBytes(const TrueTypeFont& font);

// Appends "/sfnts [\n", the strings and "] def\n" to out. False, with out untouched, when some
// stretch of more than kSfntsStringLimit bytes holds no break point.
bool WriteSfnts(const Type42FontBytes& font, std::string* out);

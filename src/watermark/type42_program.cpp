#include "watermark/type42_program.h"

#include <charconv>

#include "watermark/glyph_name_set.h"
#include "watermark/postscript_glyph_tables.h"
#include "watermark/truetype_cmap.h"

namespace {

constexpr const char* kNotdef = ".notdef";
constexpr int kFirstFreeCode = 32;

// value with the given number of decimals, always with a point.
std::string Fixed(double value, int decimals) {
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

double FromFixed16(std::int64_t value) { return static_cast<double>(value) / 65536.0; }

// A "head" bounding-box value in units of the em, to 1/65536.
std::string EmUnits(std::int16_t value, std::uint16_t unitsPerEm) {
  return Fixed(FromFixed16(std::int64_t{value} * 65536 / unitsPerEm), 6);
}

}  // namespace

Type42EncodingVector Type42Encoding(const TrueTypeFont& font, const std::vector<std::string>& glyphNames) {
  Type42EncodingVector encoding;
  GlyphNameSet glyphs(glyphNames.size());
  for (const std::string& name : glyphNames) glyphs.insert(name);
  GlyphNameSet encoded(encoding.size() + glyphNames.size());
  for (std::size_t code = 0; code < encoding.size(); ++code) {
    if (glyphs.contains(StandardEncodings[code])) {
      encoding[code] = StandardEncodings[code];
    } else {
      const auto mapped = UnicodeGlyph(font, StandardEncodingUnicode[code]);
      encoding[code] = glyphNames[mapped.value_or(0)];
    }
    encoded.insert(encoding[code]);
  }
  std::size_t freeCode = kFirstFreeCode;
  for (const std::string& name : glyphNames) {
    if (encoded.contains(name)) continue;
    while (freeCode < encoding.size() && encoding[freeCode] != kNotdef) ++freeCode;
    if (freeCode == encoding.size()) break;
    encoding[freeCode] = name;
    encoded.insert(name);
  }
  return encoding;
}

void WriteType42Header(const TrueTypeFont& font, const std::string& postScriptName,
                       const Type42EncodingVector& encoding, std::string* out) {
  std::string& o = *out;
  o += "%!PS-TrueTypeFont-" + Fixed(FromFixed16(ReadS32(font.head, 0)), 4) + "-" +
       Fixed(FromFixed16(ReadS32(font.head, 4)), 4) + "\n";
  const std::uint32_t maxMemory = ReadU32(font.post, 20);
  if (maxMemory != 0)
    o += "%%VMUsage: " + std::to_string(ReadU32(font.post, 16)) + " " + std::to_string(maxMemory) + "\n";
  o += "11 dict begin\n";
  o += "/FontName /" + postScriptName + " def\n";
  o += "/Encoding 256 array\n";
  for (std::size_t code = 0; code < encoding.size(); ++code)
    o += "dup " + std::to_string(code) + " /" + encoding[code] + " put\n";
  o += "readonly def";
  o += "/PaintType 0 def\n";
  o += "/FontMatrix [1 0 0 1 0 0] def\n";
  const std::uint16_t unitsPerEm = ReadU16(font.head, 18);
  o += "/FontBBox [" + EmUnits(ReadS16(font.head, 36), unitsPerEm) + " " + EmUnits(ReadS16(font.head, 38), unitsPerEm) +
       " " + EmUnits(ReadS16(font.head, 40), unitsPerEm) + " " + EmUnits(ReadS16(font.head, 42), unitsPerEm) + "] def\n";
  o += "/FontType 42 def\n";
  o += "/FontInfo 8 dict dup begin\n";
  o += "end readonly def\n";
}

void WriteType42CharStrings(const std::vector<std::string>& glyphNames, std::string* out) {
  std::string& o = *out;
  o += "/CharStrings " + std::to_string(glyphNames.size()) + " dict dup begin\n";
  o += "/.notdef 0 def\n";
  GlyphNameSet written(glyphNames.size());
  written.insert(kNotdef);
  for (std::size_t glyph = 1; glyph < glyphNames.size(); ++glyph) {
    if (!written.insert(glyphNames[glyph])) continue;
    o += '/';
    o += glyphNames[glyph];
    o += ' ';
    o += std::to_string(glyph);
    o += " def\n";
  }
  o += "end readonly def\n";
  o += "FontName currentdict end definefont pop\n";
}

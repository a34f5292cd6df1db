#pragma once
// A TrueType font file read with every offset and length checked against the file: the tables
// and glyph positions the Type 42 conversion needs, or a one-line reason the font is refused.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

using FontBytes = std::span<const std::uint8_t>;

// Big-endian fields; the caller has checked that the bytes are there.
inline std::uint16_t ReadU16(FontBytes b, std::size_t at) {
  return static_cast<std::uint16_t>((b[at] << 8) | b[at + 1]);
}
inline std::uint32_t ReadU32(FontBytes b, std::size_t at) {
  return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) | (std::uint32_t{b[at + 2]} << 8) |
         std::uint32_t{b[at + 3]};
}
inline std::int16_t ReadS16(FontBytes b, std::size_t at) { return static_cast<std::int16_t>(ReadU16(b, at)); }
inline std::int32_t ReadS32(FontBytes b, std::size_t at) { return static_cast<std::int32_t>(ReadU32(b, at)); }

// One entry of the table directory; offset and length lie inside the file.
struct FontTable {
  std::uint32_t tag = 0;
  std::uint32_t checksum = 0;
  std::uint32_t offset = 0;
  std::uint32_t length = 0;
};

std::uint32_t TableTag(std::string_view fourChars);

// The table whose tag matches, as the bytes of the table, or none: looks through the table
// directory (numTables entries of 16 bytes after the 12-byte offset table). None too when the
// directory or the table does not lie inside the font.
std::optional<FontBytes> find_table(std::string_view tag, FontBytes font);

struct TrueTypeFont {
  FontBytes file;
  std::vector<FontTable> tables;  // in directory order
  FontBytes head, maxp, post, name, loca, glyf;
  std::uint16_t numGlyphs = 0;
  // Where each glyph starts inside "glyf", numGlyphs + 1 entries, never decreasing, the last one
  // not past the end of "glyf".
  std::vector<std::uint32_t> glyphOffsets;
};

// Reads font. On refusal, reason holds the "DEBUG: ..." line that says why (with its line end)
// and none is returned: a font collection, a CFF font, a directory or table outside the file, a
// missing vital table, a bad magic number, unitsPerEm 0, no glyphs, a "loca" that does not fit
// numGlyphs or runs out of order or past "glyf".
std::optional<TrueTypeFont> ReadTrueTypeFont(FontBytes font, std::string* reason);

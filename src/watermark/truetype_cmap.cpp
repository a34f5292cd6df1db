#include "watermark/truetype_cmap.h"

namespace {

constexpr std::uint16_t kWindowsPlatform = 3;
constexpr std::uint16_t kUnicodeBMP = 1;
constexpr std::uint16_t kSegmentFormat = 4;
constexpr std::size_t kFormat4HeaderSize = 14;

// The format 4 subtable of the Windows Unicode map, or empty.
FontBytes Format4Subtable(FontBytes cmap) {
  if (cmap.size() < 4) return {};
  const std::size_t count = ReadU16(cmap, 2);
  if (4 + count * 8 > cmap.size()) return {};
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t record = 4 + i * 8;
    if (ReadU16(cmap, record) != kWindowsPlatform || ReadU16(cmap, record + 2) != kUnicodeBMP) continue;
    const std::size_t offset = ReadU32(cmap, record + 4);
    if (offset > cmap.size() - kFormat4HeaderSize || ReadU16(cmap, offset) != kSegmentFormat) continue;
    const std::size_t length = ReadU16(cmap, offset + 2);
    if (length < kFormat4HeaderSize || length > cmap.size() - offset) continue;
    return cmap.subspan(offset, length);
  }
  return {};
}

}  // namespace

std::optional<std::uint16_t> UnicodeGlyph(const TrueTypeFont& font, char32_t c) {
  if (c == 0 || c > 0xFFFF) return std::nullopt;
  FontBytes cmap;
  for (const FontTable& t : font.tables)
    if (t.tag == TableTag("cmap")) cmap = font.file.subspan(t.offset, t.length);
  const FontBytes sub = Format4Subtable(cmap);
  if (sub.empty()) return std::nullopt;
  const std::size_t segments = ReadU16(sub, 6) / 2;
  const std::size_t ends = kFormat4HeaderSize, starts = ends + 2 * segments + 2, deltas = starts + 2 * segments,
                    ranges = deltas + 2 * segments;
  if (ranges + 2 * segments > sub.size()) return std::nullopt;
  for (std::size_t s = 0; s < segments; ++s) {
    if (c > ReadU16(sub, ends + 2 * s)) continue;
    const std::uint16_t start = ReadU16(sub, starts + 2 * s);
    if (c < start) return std::nullopt;
    const std::uint16_t delta = ReadU16(sub, deltas + 2 * s);
    const std::size_t rangeOffset = ReadU16(sub, ranges + 2 * s);
    std::uint16_t glyph = 0;
    if (rangeOffset == 0) {
      glyph = static_cast<std::uint16_t>(c + delta);
    } else {
      const std::size_t at = ranges + 2 * s + rangeOffset + 2 * (c - start);
      if (at + 2 > sub.size()) return std::nullopt;
      glyph = ReadU16(sub, at);
      if (glyph != 0) glyph = static_cast<std::uint16_t>(glyph + delta);
    }
    if (glyph == 0 || glyph >= font.numGlyphs) return std::nullopt;
    return glyph;
  }
  return std::nullopt;
}

#include "watermark/truetype_font.h"

namespace {

constexpr std::size_t kOffsetTableSize = 12;
constexpr std::size_t kDirectoryEntrySize = 16;
constexpr std::uint32_t kHeadMagic = 0x5F0F3CF5;
constexpr std::size_t kHeadSize = 54;
constexpr std::size_t kMaxpMinimumSize = 6;
constexpr std::size_t kPostHeaderSize = 32;
constexpr std::size_t kNameHeaderSize = 6;

std::optional<TrueTypeFont> Refuse(std::string* reason, std::string line) {
  if (reason) *reason = "DEBUG: " + line + "\n";
  return std::nullopt;
}

// The directory entries, or none when the offset table or any entry does not lie in the file.
std::optional<std::vector<FontTable>> ReadDirectory(FontBytes font) {
  if (font.size() < kOffsetTableSize) return std::nullopt;
  const std::size_t count = ReadU16(font, 4);
  if (kOffsetTableSize + count * kDirectoryEntrySize > font.size()) return std::nullopt;
  std::vector<FontTable> tables(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = kOffsetTableSize + i * kDirectoryEntrySize;
    FontTable& t = tables[i];
    t = {ReadU32(font, at), ReadU32(font, at + 4), ReadU32(font, at + 8), ReadU32(font, at + 12)};
    if (t.offset > font.size() || t.length > font.size() - t.offset) return std::nullopt;
  }
  return tables;
}

FontBytes TableBytes(const TrueTypeFont& f, std::string_view tag) {
  const std::uint32_t wanted = TableTag(tag);
  for (const FontTable& t : f.tables)
    if (t.tag == wanted) return f.file.subspan(t.offset, t.length);
  return {};
}

// The glyph starts from "loca", or a reason they cannot be had.
bool ReadGlyphOffsets(TrueTypeFont& f, std::int16_t format, std::string* why) {
  const std::size_t entries = std::size_t{f.numGlyphs} + 1;
  const std::size_t entrySize = format == 0 ? 2 : 4;
  if (f.loca.size() / entrySize < entries) {
    *why = "numGlyphs does not fit the loca table";
    return false;
  }
  f.glyphOffsets.resize(entries);
  std::uint32_t previous = 0;
  for (std::size_t i = 0; i < entries; ++i) {
    const std::uint32_t offset =
        format == 0 ? std::uint32_t{ReadU16(f.loca, i * 2)} * 2 : ReadU32(f.loca, i * 4);
    if (offset < previous || offset > f.glyf.size()) {
      *why = "loca entry " + std::to_string(i) + " is out of order or past the glyf table";
      return false;
    }
    f.glyphOffsets[i] = previous = offset;
  }
  return true;
}

}  // namespace

std::uint32_t TableTag(std::string_view fourChars) {
  std::uint32_t tag = 0;
  for (std::size_t i = 0; i < 4; ++i)
    tag = (tag << 8) | static_cast<std::uint8_t>(i < fourChars.size() ? fourChars[i] : ' ');
  return tag;
}

std::optional<FontBytes> find_table(std::string_view tag, FontBytes font) {
  auto tables = ReadDirectory(font);
  if (!tables) return std::nullopt;
  const std::uint32_t wanted = TableTag(tag);
  for (const FontTable& t : *tables)
    if (t.tag == wanted) return font.subspan(t.offset, t.length);
  return std::nullopt;
}

std::optional<TrueTypeFont> ReadTrueTypeFont(FontBytes font, std::string* reason) {
  if (font.size() < kOffsetTableSize) return Refuse(reason, "Malformed TrueType file - too short for an offset table.");
  const std::uint32_t version = ReadU32(font, 0);
  if (version == TableTag("ttcf")) return Refuse(reason, "TrueType collections are not converted.");
  if (version == TableTag("OTTO")) return Refuse(reason, "CFF-flavoured OpenType fonts are not converted.");
  if (version != 0x00010000 && version != TableTag("true"))
    return Refuse(reason, "Malformed TrueType file - not a TrueType font.");
  TrueTypeFont f;
  f.file = font;
  auto tables = ReadDirectory(font);
  if (!tables) return Refuse(reason, "Malformed TrueType file - a table lies outside the file.");
  f.tables = std::move(*tables);
  f.head = TableBytes(f, "head");
  f.maxp = TableBytes(f, "maxp");
  f.post = TableBytes(f, "post");
  f.name = TableBytes(f, "name");
  f.loca = TableBytes(f, "loca");
  f.glyf = TableBytes(f, "glyf");
  if (f.maxp.empty() || f.head.empty() || f.post.empty() || f.name.empty())
    return Refuse(reason, "Malformed TrueType file - missing vital table.");
  if (f.head.size() < kHeadSize || f.maxp.size() < kMaxpMinimumSize || f.post.size() < kPostHeaderSize ||
      f.name.size() < kNameHeaderSize)
    return Refuse(reason, "Malformed TrueType file - a vital table is too short.");
  if (ReadU32(f.head, 12) != kHeadMagic) return Refuse(reason, "Malformed TrueType file - Bad magic number");
  if (ReadU16(f.head, 18) == 0) return Refuse(reason, "Malformed TrueType file - unitsPerEm is 0.");
  if (f.loca.empty() || f.glyf.empty()) return Refuse(reason, "Malformed TrueType file - no loca or glyf table.");
  f.numGlyphs = ReadU16(f.maxp, 4);
  if (f.numGlyphs == 0) return Refuse(reason, "Malformed TrueType file - the font has no glyphs.");
  const std::int16_t locaFormat = ReadS16(f.head, 50);
  if (locaFormat != 0 && locaFormat != 1) return Refuse(reason, "Malformed TrueType file - bad indexToLocFormat.");
  std::string why;
  if (!ReadGlyphOffsets(f, locaFormat, &why)) return Refuse(reason, "Malformed TrueType file - " + why + ".");
  return f;
}

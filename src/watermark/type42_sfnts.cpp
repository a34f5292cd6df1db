#include "watermark/type42_sfnts.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace {

constexpr std::size_t kOffsetTableSize = 12;
constexpr std::size_t kDirectoryEntrySize = 16;

constexpr std::array<const char*, 17> kLeftOutTables{
    "kern", "GPOS", "GSUB", "GDEF", "BASE", "JSTF", "MATH", "DSIG", "LTSH",
    "VDMX", "hdmx", "PCLT", "FFTM", "morx", "mort", "kerx", "feat"};

void PutU16(std::vector<std::uint8_t>& out, std::size_t at, std::size_t value) {
  out[at] = static_cast<std::uint8_t>(value >> 8);
  out[at + 1] = static_cast<std::uint8_t>(value);
}
void PutU32(std::vector<std::uint8_t>& out, std::size_t at, std::size_t value) {
  PutU16(out, at, value >> 16);
  PutU16(out, at + 2, value & 0xFFFF);
}

// The offset table's binary-search fields for count tables.
void PutOffsetTable(std::vector<std::uint8_t>& out, std::uint32_t version, std::size_t count) {
  PutU32(out, 0, version);
  PutU16(out, 4, count);
  const std::size_t power = count == 0 ? 0 : std::bit_floor(count);
  const std::size_t selector = power == 0 ? 0 : static_cast<std::size_t>(std::countr_zero(power));
  PutU16(out, 6, power * 16);
  PutU16(out, 8, selector);
  PutU16(out, 10, count * 16 - power * 16);
}

}  // namespace

bool IsTableLeftOut(std::uint32_t tag) {
  return std::any_of(kLeftOutTables.begin(), kLeftOutTables.end(),
                     [tag](const char* name) { return TableTag(name) == tag; });
}

Type42FontBytes BuildType42FontBytes(const TrueTypeFont& font) {
  Type42FontBytes result;
  std::vector<const FontTable*> kept;
  for (const FontTable& t : font.tables) {
    if (IsTableLeftOut(t.tag))
      result.leftOut.push_back(t.tag);
    else
      kept.push_back(&t);
  }
  std::size_t size = kOffsetTableSize + kept.size() * kDirectoryEntrySize;
  for (const FontTable* t : kept) size += (std::size_t{t->length} + 3) & ~std::size_t{3};
  std::vector<std::uint8_t>& out = result.bytes;
  out.assign(size, 0);
  PutOffsetTable(out, ReadU32(font.file, 0), kept.size());
  std::size_t at = kOffsetTableSize + kept.size() * kDirectoryEntrySize;
  const std::uint32_t glyfTag = TableTag("glyf");
  for (std::size_t i = 0; i < kept.size(); ++i) {
    const FontTable& t = *kept[i];
    const std::size_t entry = kOffsetTableSize + i * kDirectoryEntrySize;
    PutU32(out, entry, t.tag);
    PutU32(out, entry + 4, t.checksum);
    PutU32(out, entry + 8, at);
    PutU32(out, entry + 12, t.length);
    std::copy_n(font.file.begin() + t.offset, t.length, out.begin() + static_cast<std::ptrdiff_t>(at));
    result.breakPoints.push_back(at);
    if (t.tag == glyfTag && font.file.data() + t.offset == font.glyf.data()) {
      for (std::uint32_t glyph : font.glyphOffsets)
        if (glyph % 4 == 0 && glyph != 0 && glyph < t.length) result.breakPoints.push_back(at + glyph);
    }
    at += (std::size_t{t.length} + 3) & ~std::size_t{3};
  }
  // The tables are laid out one after another, so the points come in order unless the font's
  // glyph offsets do not.
  if (!std::is_sorted(result.breakPoints.begin(), result.breakPoints.end()))
    std::sort(result.breakPoints.begin(), result.breakPoints.end());
  result.breakPoints.erase(std::unique(result.breakPoints.begin(), result.breakPoints.end()),
                           result.breakPoints.end());
  return result;
}

namespace {

// The two hexadecimal digits of every byte value.
constexpr auto kHexPairs = [] {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::array<std::array<char, 2>, 256> pairs{};
  for (std::size_t b = 0; b < pairs.size(); ++b) pairs[b] = {kHex[b >> 4], kHex[b & 0xF]};
  return pairs;
}();

}  // namespace

bool WriteSfnts(const Type42FontBytes& font, std::string* out) {
  const std::vector<std::uint8_t>& bytes = font.bytes;
  const std::size_t length = bytes.size();
  const std::size_t mark = out->size();
  out->reserve(mark + length * 2 + length / 15 + 64);
  out->append("/sfnts [\n");
  // A line of at most thirty bytes, as hexadecimal, and its line break.
  char line[2 * 30 + 1];
  std::size_t start = 0;
  for (std::size_t string = 0; start < length; ++string) {
    std::size_t end = length;
    if (length - start >= kSfntsStringLimit) {
      auto after = std::upper_bound(font.breakPoints.begin(), font.breakPoints.end(), start + kSfntsStringLimit);
      if (after == font.breakPoints.begin() || *(after - 1) <= start) {
        out->resize(mark);
        return false;
      }
      end = *(after - 1);
    }
    *out += '<';
    // A line break after every thirty bytes, counted across the strings, each string shifting the
    // count by two, as the files written so far have it.
    std::size_t column = (start + 2 * string) % 30;
    for (std::size_t p = start; p < end;) {
      const std::size_t run = std::min(end - p, 30 - column);
      char* at = line;
      for (const std::size_t stop = p + run; p < stop; ++p, at += 2) std::memcpy(at, kHexPairs[bytes[p]].data(), 2);
      column += run;
      if (column == 30) {
        *at++ = '\n';
        column = 0;
      }
      out->append(line, static_cast<std::size_t>(at - line));
    }
    *out += "00>";
    start = end;
  }
  *out += "] def\n";
  return true;
}

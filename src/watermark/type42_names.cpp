#include "watermark/type42_names.h"

#include "platform/locale/utf8_text.h"
#include "watermark/postscript_glyph_tables.h"

namespace {

constexpr std::size_t kPostScriptNameLimit = 127;
constexpr std::uint32_t kPostFormat1 = 0x00010000;
constexpr std::uint32_t kPostFormat2 = 0x00020000;
constexpr std::size_t kPostNameCountAt = 32;
constexpr std::size_t kPostNameIndicesAt = 34;
constexpr std::size_t kMacGlyphCount = 258;

bool IsNameCharacter(unsigned char c) {
  if (c <= ' ' || c >= 127) return false;
  switch (c) {
    case '(': case ')': case '<': case '>': case '[': case ']': case '{': case '}': case '/': case '%':
      return false;
    default:
      return true;
  }
}

std::string GeneratedName(std::size_t glyph) { return "g" + std::to_string(glyph); }

std::optional<std::vector<std::string>> Refuse(std::string* reason, const std::string& why) {
  if (reason) *reason = "DEBUG: Malformed TrueType file - " + why + ".\n";
  return std::nullopt;
}

// The Pascal strings after the name indices, each copied by its length.
std::optional<std::vector<std::string_view>> PostStrings(FontBytes post, std::size_t from) {
  std::vector<std::string_view> strings;
  std::size_t at = from;
  while (at < post.size()) {
    const std::size_t length = post[at];
    if (length > post.size() - at - 1) return std::nullopt;
    strings.emplace_back(reinterpret_cast<const char*>(post.data() + at + 1), length);
    at += 1 + length;
  }
  return strings;
}

std::optional<std::vector<std::string>> Format2Names(const TrueTypeFont& font, std::string* reason) {
  const FontBytes post = font.post;
  if (post.size() < kPostNameIndicesAt) return Refuse(reason, "the post table is too short");
  const std::size_t count = ReadU16(post, kPostNameCountAt);
  if (count != font.numGlyphs) return Refuse(reason, "the post table's glyph count is not numGlyphs");
  const std::size_t stringsAt = kPostNameIndicesAt + 2 * count;
  if (stringsAt > post.size()) return Refuse(reason, "the post name indices run past the table");
  auto strings = PostStrings(post, stringsAt);
  if (!strings) return Refuse(reason, "a post glyph name runs past the table");
  std::vector<std::string> names(count);
  for (std::size_t glyph = 0; glyph < count; ++glyph) {
    const std::size_t index = ReadU16(post, kPostNameIndicesAt + 2 * glyph);
    std::string_view name;
    if (index < kMacGlyphCount) {
      name = macGlyphEncoding[index];
    } else if (index - kMacGlyphCount < strings->size()) {
      name = (*strings)[index - kMacGlyphCount];
    } else {
      return Refuse(reason, "post name index " + std::to_string(index) + " is past its strings");
    }
    names[glyph] = IsPostScriptName(name) ? std::string(name) : GeneratedName(glyph);
  }
  return names;
}

}  // namespace

bool IsPostScriptName(std::string_view name) {
  if (name.empty() || name.size() > kPostScriptNameLimit) return false;
  for (char c : name)
    if (!IsNameCharacter(static_cast<unsigned char>(c))) return false;
  return true;
}

std::string PostScriptFontName(std::string_view name) {
  std::string out;
  std::size_t i = 0;
  while (i < name.size()) {
    const platform::UTF8Step step = platform::NextUTF8Step(name, i);
    if (i + step.length > kType42FontNameLimit) break;
    const bool plain = step.length == 1 && IsNameCharacter(static_cast<unsigned char>(name[i]));
    out += plain ? name[i] : '_';
    i += step.length;
  }
  return out.empty() ? "Untitled" : out;
}

std::optional<std::vector<std::string>> Type42GlyphNames(const TrueTypeFont& font, std::string* reason) {
  std::vector<std::string> names;
  const std::uint32_t format = ReadU32(font.post, 0);
  if (format == kPostFormat2) {
    auto format2 = Format2Names(font, reason);
    if (!format2) return std::nullopt;
    names = std::move(*format2);
  } else {
    names.resize(font.numGlyphs);
    for (std::size_t glyph = 0; glyph < names.size(); ++glyph)
      names[glyph] = format == kPostFormat1 && glyph < kMacGlyphCount ? std::string(macGlyphEncoding[glyph])
                                                                       : GeneratedName(glyph);
  }
  names[0] = ".notdef";
  return names;
}

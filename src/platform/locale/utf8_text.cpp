#include "platform/locale/utf8_text.h"

#include <cstdint>
#include <cstring>

namespace platform {

namespace {

// Length of the well-formed sequence starting at text[i], or 0.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
  const UTF8Step step = NextUTF8Step(text, i);
  return step.wellFormed ? step.length : 0;
}

}  // namespace

// The ranges allowed for the second byte follow the Unicode table of well-formed sequences,
// which rules out overlong forms, surrogates and values past U+10FFFF.
UTF8Step NextUTF8Step(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80U) return {1, true};
  std::size_t length = 0;
  unsigned char low = 0x80U, high = 0xBFU;
  if (lead >= 0xC2U && lead <= 0xDFU) {
    length = 2;
  } else if (lead >= 0xE0U && lead <= 0xEFU) {
    length = 3;
    if (lead == 0xE0U) low = 0xA0U;
    if (lead == 0xEDU) high = 0x9FU;
  } else if (lead >= 0xF0U && lead <= 0xF4U) {
    length = 4;
    if (lead == 0xF0U) low = 0x90U;
    if (lead == 0xF4U) high = 0x8FU;
  } else {
    return {1, false};
  }
  for (std::size_t k = 1; k < length; ++k) {
    if (i + k >= text.size()) return {k, false};
    const auto byte = static_cast<unsigned char>(text[i + k]);
    if (byte < (k == 1 ? low : 0x80U) || byte > (k == 1 ? high : 0xBFU)) return {k, false};
  }
  return {length, true};
}

std::optional<std::size_t> FirstInvalidUTF8Offset(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    // Most text is ASCII: eight bytes at a time while none has its high bit set.
    std::uint64_t eight = 0;
    while (text.size() - i >= sizeof eight) {
      std::memcpy(&eight, text.data() + i, sizeof eight);
      if ((eight & 0x8080808080808080ULL) != 0) break;
      i += sizeof eight;
    }
    if (i == text.size()) break;
    std::size_t length = SequenceLength(text, i);
    if (length == 0) return i;
    i += length;
  }
  return std::nullopt;
}

std::size_t UTF16Length(std::string_view text) {
  std::size_t units = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t length = SequenceLength(text, i);
    units += length == 4 ? 2 : 1;  // code points past U+FFFF take a surrogate pair
    i += length == 0 ? 1 : length;
  }
  return units;
}

std::size_t UTF8OffsetOfUTF16Index(std::string_view text, std::size_t units) {
  std::size_t i = 0;
  std::size_t seen = 0;
  while (i < text.size() && seen < units) {
    std::size_t length = SequenceLength(text, i);
    seen += length == 4 ? 2 : 1;
    i += length == 0 ? 1 : length;
  }
  return i;
}

std::string Latin1ToUTF8(std::string_view latin1) {
  std::string out;
  out.reserve(latin1.size());
  for (char ch : latin1) {
    unsigned c = static_cast<unsigned char>(ch);
    if (c < 0x80U) {
      out.push_back(ch);
    } else {
      out.push_back(static_cast<char>(0xC0U | (c >> 6U)));
      out.push_back(static_cast<char>(0x80U | (c & 0x3FU)));
    }
  }
  return out;
}

}  // namespace platform

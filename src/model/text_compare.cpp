// Case-insensitive comparison of UTF-8 texts by simple code-point folding.
#include "model/text_compare.h"

#include <cstddef>

namespace {

// Walks a text one code point at a time. A byte that does not start a well-formed sequence
// comes back alone, lifted above the Unicode range so that it never equals a real character.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}
  bool done() const { return at_ >= text_.size(); }

  char32_t next() {
    const auto lead = static_cast<unsigned char>(text_[at_]);
    if (lead < 0x80U) {
      ++at_;
      return lead;
    }
    std::size_t extra = 0;
    char32_t value = 0;
    char32_t lowest = 0;
    if (lead >= 0xC2U && lead <= 0xDFU) {
      extra = 1;
      value = lead & 0x1FU;
      lowest = 0x80;
    } else if (lead >= 0xE0U && lead <= 0xEFU) {
      extra = 2;
      value = lead & 0x0FU;
      lowest = 0x800;
    } else if (lead >= 0xF0U && lead <= 0xF4U) {
      extra = 3;
      value = lead & 0x07U;
      lowest = 0x10000;
    } else {
      return rawByte(lead);
    }
    if (text_.size() - at_ <= extra) return rawByte(lead);
    for (std::size_t i = 1; i <= extra; ++i) {
      const auto cont = static_cast<unsigned char>(text_[at_ + i]);
      if ((cont & 0xC0U) != 0x80U) return rawByte(lead);
      value = (value << 6) | (cont & 0x3FU);
    }
    if (value < lowest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return rawByte(lead);
    at_ += extra + 1;
    return value;
  }

 private:
  char32_t rawByte(unsigned char byte) {
    ++at_;
    return 0x110000U + byte;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

// Latin Extended-A alternates capital and small letters, starting on an even code point in
// some runs and on an odd one in others.
char32_t FoldLatinExtendedA(char32_t c) {
  if (c == 0x130) return U'i';  // İ: dotted capital I
  if (c <= 0x137 || (c >= 0x14A && c <= 0x177)) return c | 1U;
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1U) != 0 ? c + 1 : c;
  if (c == 0x178) return 0xFF;  // Ÿ
  return c;
}

char32_t FoldGreek(char32_t c) {
  if (c == 0x386) return 0x3AC;
  if (c >= 0x388 && c <= 0x38A) return c + 0x25;
  if (c == 0x38C) return 0x3CC;
  if (c == 0x38E || c == 0x38F) return c + 0x3F;
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;
  if (c == 0x3C2) return 0x3C3;  // final sigma reads as sigma
  return c;
}

}  // namespace

char32_t FoldCodePoint(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;  // Latin-1 letters, not the sign ×
  if (c >= 0x100 && c <= 0x17F) return FoldLatinExtendedA(c);
  if (c >= 0x386 && c <= 0x3C2) return FoldGreek(c);
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;  // Cyrillic Ѐ..Џ
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;  // Cyrillic А..Я
  return c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  Cursor x(a);
  Cursor y(b);
  while (!x.done() && !y.done()) {
    if (FoldCodePoint(x.next()) != FoldCodePoint(y.next())) return false;
  }
  return x.done() && y.done();
}

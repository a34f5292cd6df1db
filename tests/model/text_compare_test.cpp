#include <gtest/gtest.h>

#include <string>

#include "model/text_compare.h"

namespace {

TEST(TextCompare, FoldsTheCaseOfAsciiAndTheCoveredScriptsOnly) {
  const struct {
    std::string a, b;
    bool equal;
  } cases[] = {
      {"Blue Card", "bLUE cARD", true},
      {"ÉCLAIR Ÿ Ā Ł Ž", "éclair ÿ ā ł ž", true},
      {"ΚΑΡΤΑ ΣΑΣ", "καρτα σας", true},
      {"ΆΈΏ", "άέώ", true},
      {"БУМАГА Ёж", "бумага ёж", true},
      {"", "", true},
      {"Card", "Card ", false},
      {"Card", "Cart", false},
      {"e", "é", false},
      {"×", "÷", false},  // U+00D7 and U+00F7 are signs, not letters
      {"@", "`", false},  // 0x40 and 0x60 sit beside the letters
      {"[", "{", false},
      // Malformed bytes compare as bytes: a lead byte cut off at the end...
      {std::string("A\xC3", 2), std::string("a\xC3", 2), true},
      {std::string("A\xC3", 2), std::string("a\xC4", 2), false},
      {std::string("\xC1\x81", 2), "a", false},  // an overlong form of "A" is not the letter A
      // ...and a stray continuation byte is not a character that could fold to anything.
      {std::string("\x80", 1), std::string("\xC2\x80", 2), false},
  };
  for (const auto& c : cases) EXPECT_EQ(EqualIgnoringCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
}

}  // namespace

#include <gtest/gtest.h>

#include <string>

#include "model/text_compare.h"

namespace {

TEST(TextCompare, FoldsAsciiAndTheCoveredScripts) {
  EXPECT_TRUE(EqualIgnoringCase("Blue Card", "bLUE cARD"));
  EXPECT_TRUE(EqualIgnoringCase("ÉCLAIR Ÿ Ā Ł Ž", "éclair ÿ ā ł ž"));
  EXPECT_TRUE(EqualIgnoringCase("ΚΑΡΤΑ ΣΑΣ", "καρτα σας"));
  EXPECT_TRUE(EqualIgnoringCase("ΆΈΏ", "άέώ"));
  EXPECT_TRUE(EqualIgnoringCase("БУМАГА Ёж", "бумага ёж"));
  EXPECT_TRUE(EqualIgnoringCase("", ""));
}

TEST(TextCompare, KeepsDifferencesThatAreNotCase) {
  EXPECT_FALSE(EqualIgnoringCase("Card", "Card "));
  EXPECT_FALSE(EqualIgnoringCase("Card", "Cart"));
  EXPECT_FALSE(EqualIgnoringCase("e", "é"));
  EXPECT_FALSE(EqualIgnoringCase("×", "÷"));  // U+00D7 and U+00F7 are signs, not letters
  EXPECT_FALSE(EqualIgnoringCase("@", "`"));   // 0x40 and 0x60 sit beside the letters
  EXPECT_FALSE(EqualIgnoringCase("[", "{"));
}

TEST(TextCompare, MalformedBytesCompareAsBytes) {
  const std::string lone("A\xC3", 2);       // a lead byte cut off at the end
  const std::string otherLone("a\xC4", 2);
  EXPECT_TRUE(EqualIgnoringCase(lone, std::string("a\xC3", 2)));
  EXPECT_FALSE(EqualIgnoringCase(lone, otherLone));
  // An overlong form of "A" is not the letter A.
  EXPECT_FALSE(EqualIgnoringCase(std::string("\xC1\x81", 2), "a"));
  // A stray continuation byte is not a character that could fold to anything.
  EXPECT_FALSE(EqualIgnoringCase(std::string("\x80", 1), std::string("\xC2\x80", 2)));
}

}  // namespace

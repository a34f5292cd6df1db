#include "platform/locale/utf8_text.h"

#include <gtest/gtest.h>

namespace {

using platform::FirstInvalidUTF8Offset;

TEST(UTF8Text, AcceptsWellFormedTextOfEveryLength) {
  EXPECT_EQ(FirstInvalidUTF8Offset(""), std::nullopt);
  EXPECT_EQ(FirstInvalidUTF8Offset("A \xC3\xA9 \xE2\x82\xAC \xF0\x9F\x96\xA8 \xF4\x8F\xBF\xBF"), std::nullopt);
}

TEST(UTF8Text, FindsTheFirstBadByte) {
  EXPECT_EQ(FirstInvalidUTF8Offset("ab\xC0\x80"), 2U);          // overlong NUL
  EXPECT_EQ(FirstInvalidUTF8Offset("\xE0\x80\xAF"), 0U);        // overlong slash
  EXPECT_EQ(FirstInvalidUTF8Offset("x\xED\xA0\x80"), 1U);       // surrogate
  EXPECT_EQ(FirstInvalidUTF8Offset("\xF4\x90\x80\x80"), 0U);    // past U+10FFFF
  EXPECT_EQ(FirstInvalidUTF8Offset("ok\xE2\x82"), 2U);          // cut short
  EXPECT_EQ(FirstInvalidUTF8Offset("\x80"), 0U);                // lone continuation
  EXPECT_EQ(FirstInvalidUTF8Offset("\xC3\xA9\xFF"), 2U);
}

TEST(UTF8Text, ConvertsLatin1) {
  EXPECT_EQ(platform::Latin1ToUTF8("Caf\xE9 \xFF"), "Caf\xC3\xA9 \xC3\xBF");
  EXPECT_TRUE(platform::IsValidUTF8(platform::Latin1ToUTF8("\x80\x9F\xA0")));
}

}  // namespace

// Numbers typed as the locale writes them, read back into scaled integers.
#include "controls/decimal_text.h"

#include <gtest/gtest.h>

#include "controls/controls_test_support.h"

namespace {

const NumberSymbols kEnglish{".", ","};
const NumberSymbols kGerman{",", "."};

TEST(DecimalText, RoundsToTheNearestScaledInteger) {
  EXPECT_EQ(ParseDecimalText("1.05", 2, kEnglish), 105);  // a float would make 104.99 of it
  EXPECT_EQ(ParseDecimalText("8.5", 2, kEnglish), 850);
  EXPECT_EQ(ParseDecimalText("1.055", 2, kEnglish), 106);
  EXPECT_EQ(ParseDecimalText("-1.055", 2, kEnglish), -106);
  EXPECT_EQ(ParseDecimalText("1.0549", 2, kEnglish), 105);
  EXPECT_EQ(ParseDecimalText("5.5", 0, kEnglish), 6);
  EXPECT_EQ(ParseDecimalText(".5", 1, kEnglish), 5);
  EXPECT_EQ(ParseDecimalText("12.", 1, kEnglish), 120);
  EXPECT_EQ(ParseDecimalText(" -0 ", 0, kEnglish), 0);
}

TEST(DecimalText, ReadsTheLocalesSeparators) {
  EXPECT_EQ(ParseDecimalText("8,50", 2, kGerman), 850);
  EXPECT_EQ(ParseDecimalText("1.234,5", 1, kGerman), 12345);
  EXPECT_EQ(ParseDecimalText("1,234.56", 2, kEnglish), 123456);
  EXPECT_EQ(ParseDecimalText("1,00,000", 0, kEnglish), 100000);  // grouped in twos, as India does
  EXPECT_EQ(ParseDecimalText("8,50", 2, kEnglish), std::nullopt);
  EXPECT_EQ(ParseDecimalText("1.2.3", 0, kGerman), std::nullopt);
}

TEST(DecimalText, RefusesWhatIsNoNumber) {
  for (const char* text : {"5-", "1.2.3", "--5", "-", ".", "", "1e3", "+5", "1 2", ",5", "5,", "1,23", "0x10"})
    EXPECT_EQ(ParseDecimalText(text, 2, kEnglish), std::nullopt) << text;
  EXPECT_EQ(ParseDecimalText("1", -1, kEnglish), std::nullopt);
}

TEST(DecimalText, KeepsTo32Bits) {
  EXPECT_EQ(ParseDecimalText("2147483647", 0, kEnglish), 2147483647);
  EXPECT_EQ(ParseDecimalText("-21474836.48", 2, kEnglish), -2147483647 - 1);
  EXPECT_EQ(ParseDecimalText("21474836.48", 2, kEnglish), std::nullopt);
  EXPECT_EQ(ParseDecimalText("21474836.475", 2, kEnglish), std::nullopt);  // rounds past the top
  EXPECT_EQ(ParseDecimalText("99999999999999999999999", 0, kEnglish), std::nullopt);
  EXPECT_EQ(ParseDecimalText("0000000000000000000001", 0, kEnglish), 1);
}

TEST(DecimalText, FollowsTheUsersLocale) {
  {
    controls_test::ScopedLocale german("de_DE.UTF-8");
    EXPECT_EQ(UserNumberSymbols().decimalSeparator, ",");
    EXPECT_EQ(UserNumberSymbols().groupingSeparator, ".");
    EXPECT_EQ(FormatDecimalText(850, 2), "8,50");
  }
  controls_test::ScopedLocale english("en_US.UTF-8");
  EXPECT_EQ(FormatDecimalText(850, 2), "8.50");
  EXPECT_EQ(UserNumberSymbols("xx_NOWHERE.UTF-8").decimalSeparator, ".");
}

}  // namespace

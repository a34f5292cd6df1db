// Numbers typed as the locale writes them, read back into scaled integers.
#include "controls/decimal_text.h"

#include <gtest/gtest.h>

namespace {

const NumberSymbols kEnglish{".", ","};
const NumberSymbols kGerman{",", "."};

TEST(DecimalText, RoundsToTheNearestScaledIntegerInTheLocalesForm) {
  EXPECT_EQ(ParseDecimalText("1.05", 2, kEnglish), 105);  // a float would make 104.99 of it
  EXPECT_EQ(ParseDecimalText("-1.055", 2, kEnglish), -106);
  EXPECT_EQ(ParseDecimalText("1.0549", 2, kEnglish), 105);
  EXPECT_EQ(ParseDecimalText(" .5", 1, kEnglish), 5);
  EXPECT_EQ(ParseDecimalText("1,234.56", 2, kEnglish), 123456);
  EXPECT_EQ(ParseDecimalText("1,00,000", 0, kEnglish), 100000);  // grouped in twos, as India does
  EXPECT_EQ(ParseDecimalText("1.234,5", 1, kGerman), 12345);
}

TEST(DecimalText, RefusesWhatIsNoNumberOrPast32Bits) {
  for (const char* text : {"5-", "1.2.3", "--5", "-", ".", "", "1e3", "+5", "1 2", ",5", "1,23", "8,50"})
    EXPECT_EQ(ParseDecimalText(text, 2, kEnglish), std::nullopt) << text;
  EXPECT_EQ(ParseDecimalText("1.2.3", 0, kGerman), std::nullopt);
  EXPECT_EQ(ParseDecimalText("-21474836.48", 2, kEnglish), -2147483647 - 1);
  EXPECT_EQ(ParseDecimalText("21474836.475", 2, kEnglish), std::nullopt);  // rounds past the top
  EXPECT_EQ(ParseDecimalText("0000000000000000000001", 0, kEnglish), 1);
}

}  // namespace

// Numbers: as text in the user's locale and how many digits they take; and the session's tickets
// looked up by name. (Numbers read from a dictionary, only a value the type holds exactly, are the
// stock's ticket reading's, tests/model.)
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "kit/count_digits.h"
#include "kit/number_text.h"
#include "kit/ticket_access.h"
#include "support/test_support.h"

namespace {

class NumberText : public testing::Test {
 protected:
  static void SetUpTestSuite() { ::setenv("LOCPATH", KORVO_LOCALE_DIR, 0); }
};

std::optional<std::string> InLocale(std::int32_t value, int decimals, const char* locale) {
  return CreateLocalizedCFStringFromNumberWithDecimalsInLocale(value, decimals, locale);
}

TEST_F(NumberText, ScalesByTheDecimalsInTheLocalesForm) {
  EXPECT_EQ(InLocale(5, 1, "en_US.UTF-8"), "0.5");
  EXPECT_EQ(InLocale(123456, 2, "en_US.UTF-8"), "1,234.56");
  EXPECT_EQ(InLocale(123456, 2, "de_DE.UTF-8"), "1.234,56");
  EXPECT_EQ(InLocale(-7, 2, "en_US.UTF-8"), "-0.07");
  EXPECT_EQ(InLocale(1234567, 0, "en_US.UTF-8"), "1,234,567");
  EXPECT_EQ(InLocale(-2147483647 - 1, 0, "de_DE.UTF-8"), "-2.147.483.648");
  // Reals cut toward zero, but one held just under the whole number it stands for is that number.
  EXPECT_EQ(ScaledTowardZero(21000 / 25.4), 826);
  EXPECT_EQ(ScaledTowardZero(-0.29f * 100.0), -29);
  EXPECT_EQ(ScaledTowardZero(137.7 * 100), 13770);
}

// (That the user's own locale writes it, the spin control's test finds.)
TEST_F(NumberText, ALocaleNotInstalledFallsBackAndNoDecimalsAreNone) {
  korvo_test::ScopedEnv lcAll("LC_ALL", "zz_ZZ.UTF-8");  // named, but not installed here
  EXPECT_EQ(CreateLocalizedCFStringFromNumberWithDecimals(850, 2), "8.50");
  EXPECT_EQ(InLocale(850, 2, "zz_ZZ.UTF-8"), std::nullopt);
  EXPECT_EQ(InLocale(850, -1, "en_US.UTF-8"), std::nullopt);
}

TEST(CountDigits, CountsAroundPowersOfTenIgnoringTheSign) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  // 999999999999999 is one a double logarithm rounds up to 15.0.
  for (auto [value, digits] : {std::pair<std::int64_t, int>{0, 1}, {9, 1}, {10, 2}, {99, 2}, {1000, 4},
                               {999999999999999LL, 15}, {1000000000000000LL, 16}, {-1, 1}, {-999, 3},
                               {-2147483648LL, 10}, {kMax, 19}, {kMin, 19}})
    EXPECT_EQ(CountDigits(value), digits) << value;
}

// (That it hands out the session's ticket, every panel's Sync finds.)
TEST(TicketAccess, LeavesTheCallersValueWithoutTheTicket) {
  platform::PrintSession session;
  // An absent ticket is no error.
  platform::Ticket mine;
  platform::Ticket* ticket = &mine;
  EXPECT_EQ(GetTicketFromSession(&session, "NoSuchTicket", &ticket), platform::noErr);
  EXPECT_EQ(ticket, &mine);
  EXPECT_EQ(GetTicketFromSession(nullptr, platform::kPDE_PMPrintSettingsRef, &ticket), platform::paramErr);
  EXPECT_EQ(ticket, &mine);
  EXPECT_EQ(GetTicketFromSession(&session, platform::kPDE_PMPrintSettingsRef, nullptr), platform::paramErr);
}

}  // namespace

#include "shell/count_digits.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

TEST(CountDigits, CountsAroundPowersOfTen) {
  EXPECT_EQ(CountDigits(0), 1);
  EXPECT_EQ(CountDigits(9), 1);
  EXPECT_EQ(CountDigits(10), 2);
  EXPECT_EQ(CountDigits(99), 2);
  EXPECT_EQ(CountDigits(1000), 4);
  EXPECT_EQ(CountDigits(999999999999999LL), 15);  // a double logarithm rounds this up to 15.0
  EXPECT_EQ(CountDigits(1000000000000000LL), 16);
}

TEST(CountDigits, IgnoresTheSign) {
  EXPECT_EQ(CountDigits(-1), 1);
  EXPECT_EQ(CountDigits(-999), 3);
  EXPECT_EQ(CountDigits(-2147483648LL), 10);
  EXPECT_EQ(CountDigits(std::numeric_limits<std::int64_t>::max()), 19);
  EXPECT_EQ(CountDigits(std::numeric_limits<std::int64_t>::min()), 19);
}

}  // namespace

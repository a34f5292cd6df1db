#include "kit/count_digits.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <utility>

namespace {

TEST(CountDigits, CountsAroundPowersOfTenIgnoringTheSign) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  // 999999999999999 is one a double logarithm rounds up to 15.0.
  for (auto [value, digits] : {std::pair<std::int64_t, int>{0, 1}, {9, 1}, {10, 2}, {99, 2}, {1000, 4},
                               {999999999999999LL, 15}, {1000000000000000LL, 16}, {-1, 1}, {-999, 3},
                               {-2147483648LL, 10}, {kMax, 19}, {kMin, 19}})
    EXPECT_EQ(CountDigits(value), digits) << value;
}

}  // namespace

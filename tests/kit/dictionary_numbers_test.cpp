// Numbers read from a dictionary as the ticket fields read them: only a value the type holds
// exactly is read, and a refused read leaves the caller's variable alone.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "kit/dictionary_helpers.h"

namespace {

TEST(DictionaryNumbers, AnIntegerIsReadOnlyWhenItIsOneExactly) {
  const platform::PlistDict d{{"whole", 3.0}, {"min", std::int64_t{-2147483647 - 1}}, {"half", 2.5},
                              {"big", std::int64_t{1} << 40}, {"huge", 1e300}, {"nan", std::nan("")},
                              {"flag", true}, {"text", "12"}};
  const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
      {"whole", 3}, {"min", -2147483647 - 1}, {"half", std::nullopt}, {"big", std::nullopt}, {"huge", std::nullopt},
      {"nan", std::nullopt}, {"flag", std::nullopt}, {"text", std::nullopt}, {"absent", std::nullopt}};
  for (const auto& [key, expected] : cases) {
    std::int32_t out = 17;
    const bool read = CFDictionaryGetNumber(&d, key, &out, kCFNumberSInt32Type);
    EXPECT_EQ(read ? std::optional<std::int32_t>(out) : std::nullopt, expected) << key;
    if (!read) {
      EXPECT_EQ(out, 17) << key;
    }
  }
}

}  // namespace

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "kit/dictionary_helpers.h"

namespace {

using platform::PlistDict;

template <class T>
std::optional<T> RoundTrip(T value, CFNumberType type) {
  PlistDict d;
  T out{};
  if (!CFDictionarySetNumber(&d, "k", &value, type) || !CFDictionaryGetNumber(&d, "k", &out, type)) return std::nullopt;
  return out;
}

// The value read as type T, or none; a refused read must leave the caller's variable alone.
template <class T>
std::optional<T> Read(const PlistDict& d, const char* key, CFNumberType type) {
  T out = T(17);
  if (CFDictionaryGetNumber(&d, key, &out, type)) return out;
  EXPECT_EQ(out, T(17)) << key;
  return std::nullopt;
}

TEST(DictionaryNumbers, RoundTripEveryNumberType) {
  EXPECT_EQ(RoundTrip<std::int32_t>(-2147483647 - 1, kCFNumberSInt32Type), -2147483647 - 1);
  EXPECT_EQ(RoundTrip(std::numeric_limits<std::int64_t>::max(), kCFNumberSInt64Type),
            std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(RoundTrip(0.1f, kCFNumberFloat32Type), 0.1f);
  EXPECT_EQ(RoundTrip(0.1, kCFNumberFloat64Type), 0.1);
  EXPECT_EQ(RoundTrip<CFIndex>(-5, kCFNumberCFIndexType), -5);
}

TEST(DictionaryNumbers, AFractionIsARealButNoInteger) {
  PlistDict d{{"half", 2.5}, {"whole", 3.0}};
  EXPECT_EQ(Read<std::int32_t>(d, "half", kCFNumberSInt32Type), std::nullopt);
  EXPECT_EQ(Read<double>(d, "half", kCFNumberFloat64Type), 2.5);
  EXPECT_EQ(Read<std::int32_t>(d, "whole", kCFNumberSInt32Type), 3);
}

TEST(DictionaryNumbers, RefusesValuesTheTypeCannotHoldExactly) {
  PlistDict d{{"big", std::int64_t{1} << 40}, {"huge", 1e300}, {"twoTo63", 9223372036854775808.0},
              {"odd", (std::int64_t{1} << 53) + 1}, {"tenth", 0.1}, {"nan", std::nan("")},
              {"flag", true}, {"text", "12"}};
  EXPECT_EQ(Read<std::int32_t>(d, "big", kCFNumberSInt32Type), std::nullopt);
  EXPECT_EQ(Read<float>(d, "big", kCFNumberFloat32Type), 1099511627776.0f);  // 2^40 is exact in a float
  EXPECT_EQ(Read<std::int64_t>(d, "huge", kCFNumberSInt64Type), std::nullopt);
  EXPECT_EQ(Read<float>(d, "huge", kCFNumberFloat32Type), std::nullopt);
  EXPECT_EQ(Read<std::int64_t>(d, "twoTo63", kCFNumberSInt64Type), std::nullopt);
  EXPECT_EQ(Read<double>(d, "odd", kCFNumberFloat64Type), std::nullopt);
  EXPECT_EQ(Read<float>(d, "tenth", kCFNumberFloat32Type), std::nullopt);
  EXPECT_EQ(Read<std::int64_t>(d, "nan", kCFNumberSInt64Type), std::nullopt);
  EXPECT_EQ(Read<std::int32_t>(d, "flag", kCFNumberSInt32Type), std::nullopt);
  EXPECT_EQ(Read<std::int32_t>(d, "text", kCFNumberSInt32Type), std::nullopt);
  EXPECT_EQ(Read<std::int32_t>(d, "absent", kCFNumberSInt32Type), std::nullopt);
}

TEST(DictionaryNumbers, CFIndexHelpersAreNullSafe) {
  PlistDict d;
  WriteTicketValue(&d, "com.korvo.print.Copies", -2147483648LL);
  WriteTicketValue(nullptr, "ignored", 1);
  WriteTicketValue(&d, nullptr, 1);
  EXPECT_EQ(d.size(), 1U);
  CFIndex value = 42;
  EXPECT_FALSE(GetCFIndexFromCFDictionary(nullptr, "com.korvo.print.Copies", &value));
  EXPECT_FALSE(GetCFIndexFromCFDictionary(&d, nullptr, &value));
  EXPECT_EQ(value, 42);
  EXPECT_TRUE(GetCFIndexFromCFDictionary(&d, "com.korvo.print.Copies", &value));
  EXPECT_EQ(value, -2147483648LL);
  std::int32_t one = 1;
  EXPECT_FALSE(CFDictionarySetNumber(&d, "k", nullptr, kCFNumberSInt32Type));
  EXPECT_FALSE(CFDictionarySetNumber(&d, "k", &one, static_cast<CFNumberType>(99)));
  EXPECT_EQ(d.count("k"), 0U);
}

}  // namespace

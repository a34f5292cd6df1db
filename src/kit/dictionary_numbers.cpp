// The number helpers of dictionary_helpers.h: storing a caller's number and reading it back only
// when the stored value converts to the caller's type without loss.
#include <cmath>
#include <limits>
#include <optional>
#include <type_traits>

#include "kit/dictionary_helpers.h"

namespace {

using platform::PlistValue;

const PlistValue* Find(const platform::PlistDict* dict, const char* key) {
  if (dict == nullptr || key == nullptr) return nullptr;
  return platform::PlistDictFind(*dict, key);
}

template <class Int>
std::optional<Int> ExactInteger(const PlistValue& stored) {
  if (const std::int64_t* i = stored.asInteger()) {
    if (*i < std::numeric_limits<Int>::min() || *i > std::numeric_limits<Int>::max()) return std::nullopt;
    return static_cast<Int>(*i);
  }
  if (const double* r = stored.asReal()) {
    if (!std::isfinite(*r) || std::trunc(*r) != *r) return std::nullopt;
    // The range of a signed integer is [-2^(n-1), 2^(n-1)); both bounds are exact doubles.
    constexpr double kLow = static_cast<double>(std::numeric_limits<Int>::min());
    if (*r < kLow || *r >= -kLow) return std::nullopt;
    return static_cast<Int>(*r);
  }
  return std::nullopt;
}

template <class Real>
std::optional<Real> ExactReal(const PlistValue& stored) {
  if (const std::int64_t* i = stored.asInteger()) {
    Real r = static_cast<Real>(*i);
    // Values near the top of the range round up to 2^63, which no int64 holds: inexact.
    constexpr Real kTwoTo63 = static_cast<Real>(9223372036854775808.0);
    if (r >= kTwoTo63 || static_cast<std::int64_t>(r) != *i) return std::nullopt;
    return r;
  }
  if (const double* d = stored.asReal()) {
    if constexpr (std::is_same_v<Real, double>) {
      return *d;
    } else {
      if (!std::isfinite(*d)) return static_cast<Real>(*d);  // infinities and NaN carry over
      if (std::fabs(*d) > static_cast<double>(std::numeric_limits<Real>::max())) return std::nullopt;
      Real r = static_cast<Real>(*d);
      if (static_cast<double>(r) != *d) return std::nullopt;
      return r;
    }
  }
  return std::nullopt;
}

template <class T>
bool Deliver(std::optional<T> converted, void* out) {
  if (!converted) return false;
  *static_cast<T*>(out) = *converted;
  return true;
}

}  // namespace

void WriteTicketValue(platform::PlistDict* dict, const char* key, CFIndex value) {
  if (dict == nullptr || key == nullptr) return;
  (*dict)[key] = PlistValue(static_cast<std::int64_t>(value));
}

bool GetCFIndexFromCFDictionary(const platform::PlistDict* dict, const char* key, CFIndex* value) {
  return CFDictionaryGetNumber(dict, key, value, kCFNumberCFIndexType);
}

bool CFDictionarySetNumber(platform::PlistDict* dict, const char* key, const void* value, CFNumberType type) {
  if (dict == nullptr || key == nullptr || value == nullptr) return false;
  PlistValue number;
  switch (type) {
    case kCFNumberSInt32Type: number = *static_cast<const std::int32_t*>(value); break;
    case kCFNumberSInt64Type: number = *static_cast<const std::int64_t*>(value); break;
    case kCFNumberCFIndexType: number = *static_cast<const CFIndex*>(value); break;
    case kCFNumberFloat32Type: number = static_cast<double>(*static_cast<const float*>(value)); break;
    case kCFNumberFloat64Type: number = *static_cast<const double*>(value); break;
    default: return false;
  }
  (*dict)[key] = std::move(number);
  return true;
}

bool CFDictionaryGetNumber(const platform::PlistDict* dict, const char* key, void* value, CFNumberType type) {
  const PlistValue* stored = Find(dict, key);
  if (stored == nullptr || value == nullptr) return false;
  switch (type) {
    case kCFNumberSInt32Type: return Deliver(ExactInteger<std::int32_t>(*stored), value);
    case kCFNumberSInt64Type: return Deliver(ExactInteger<std::int64_t>(*stored), value);
    case kCFNumberCFIndexType: return Deliver(ExactInteger<CFIndex>(*stored), value);
    case kCFNumberFloat32Type: return Deliver(ExactReal<float>(*stored), value);
    case kCFNumberFloat64Type: return Deliver(ExactReal<double>(*stored), value);
  }
  return false;
}

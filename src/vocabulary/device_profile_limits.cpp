#include "vocabulary/device_profile_limits.h"

#include <algorithm>

#include "vocabulary/device_profile.h"

namespace {

bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

}  // namespace

std::size_t KFSTextLength(std::string_view utf8) {
  return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), StartsCharacter));
}

std::optional<std::int64_t> KFSClassBound(const platform::PlistDict* classDictionary, const char* key) {
  const platform::PlistValue* v = classDictionary ? platform::PlistDictFind(*classDictionary, key) : nullptr;
  if (v == nullptr) return std::nullopt;
  if (const std::int64_t* i = v->asInteger()) return *i;
  if (const double* d = v->asReal()) return static_cast<std::int64_t>(*d);
  return std::nullopt;
}

std::string_view KFSCutToFeatureLength(std::string_view feature, std::string_view text) {
  const std::optional<std::int64_t> length =
      KFSClassBound(KFSGetFeatureSyntax(KFSGetFeature(feature), kKFSNameClass), kKFSLengthKey);
  if (!length) return text;
  const auto allowed = static_cast<std::size_t>(std::max<std::int64_t>(*length, 0));
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (StartsCharacter(text[i]) && characters++ == allowed) return text.substr(0, i);
  return text;
}

bool KFSFeatureNumberInRange(std::string_view feature, std::int64_t value) {
  const platform::PlistDict* numbers = KFSGetFeatureSyntax(KFSGetFeature(feature), kKFSNumberClass);
  const std::optional<std::int64_t> minimum = KFSClassBound(numbers, kKFSMinimumKey);
  const std::optional<std::int64_t> maximum = KFSClassBound(numbers, kKFSMaximumKey);
  return (!minimum || value >= *minimum) && (!maximum || value <= *maximum);
}

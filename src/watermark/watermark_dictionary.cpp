#include "watermark/watermark_dictionary.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>

namespace {

using platform::PlistDict;
using platform::PlistValue;

struct StringField {
  const char* key;
  std::string WatermarkData::*field;
  std::size_t limit;
};
constexpr StringField kStrings[] = {
    {"textString", &WatermarkData::textString, kWatermarkTextLimit},
    {"filename", &WatermarkData::filename, kWatermarkFileNameLimit},
    {"filePath", &WatermarkData::filePath, kWatermarkFilePathLimit},
    {"fontName", &WatermarkData::fontName, kWatermarkFontNameLimit},
};

struct FloatField {
  const char* key;
  float WatermarkData::*field;
};
constexpr FloatField kFloats[] = {
    {"xOffset", &WatermarkData::xOffset},
    {"yOffset", &WatermarkData::yOffset},
    {"fontColorRed", &WatermarkData::fontColorRed},
    {"fontColorGreen", &WatermarkData::fontColorGreen},
    {"fontColorBlue", &WatermarkData::fontColorBlue},
    {"fontColorAlpha", &WatermarkData::fontColorAlpha},
    {"wellColorRed", &WatermarkData::wellColorRed},
    {"wellColorGreen", &WatermarkData::wellColorGreen},
    {"wellColorBlue", &WatermarkData::wellColorBlue},
    {"wellColorAlpha", &WatermarkData::wellColorAlpha},
};

struct DoubleField {
  const char* key;
  double WatermarkData::*field;
};
constexpr DoubleField kDoubles[] = {{"xPos", &WatermarkData::xPos}, {"yPos", &WatermarkData::yPos}};

struct IntegerField {
  const char* key;
  std::int32_t WatermarkData::*field;
};
constexpr IntegerField kIntegers[] = {
    {"angle", &WatermarkData::angle}, {"density", &WatermarkData::density}, {"scale", &WatermarkData::scale},
    {"units", &WatermarkData::units}, {"fontSize", &WatermarkData::fontSize},
};

constexpr const char* kGlyphsKey = "glyphs";
constexpr const char* kGlyphCountKey = "glyphCount";

// A finite number as a double; integers count, as other tools write 0 for 0.0.
std::optional<double> FiniteNumber(const PlistValue& value) {
  double number;
  if (const std::int64_t* i = value.asInteger()) number = static_cast<double>(*i);
  else if (const double* r = value.asReal()) number = *r;
  else return std::nullopt;
  if (!std::isfinite(number)) return std::nullopt;
  return number;
}

std::optional<std::int32_t> Int32(const PlistValue& value) {
  double whole;
  if (const std::int64_t* i = value.asInteger()) {
    if (*i < std::numeric_limits<std::int32_t>::min() || *i > std::numeric_limits<std::int32_t>::max())
      return std::nullopt;
    return static_cast<std::int32_t>(*i);
  }
  if (const double* r = value.asReal(); r != nullptr && std::modf(*r, &whole) == 0.0 &&
                                        whole >= std::numeric_limits<std::int32_t>::min() &&
                                        whole <= std::numeric_limits<std::int32_t>::max())
    return static_cast<std::int32_t>(whole);
  return std::nullopt;
}

// What a value is, for a message: a number's own value, else its kind ("a string", "an array").
std::string Describe(const PlistValue& value) {
  if (const std::int64_t* i = value.asInteger()) return std::to_string(*i);
  if (const double* r = value.asReal()) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", *r);
    return text;
  }
  const char* kind = platform::PlistKindName(value.kind());
  return std::string(std::strchr("aeiou", kind[0]) != nullptr ? "an " : "a ") + kind;
}

platform::Result<WatermarkData> Unreadable(const char* key, const PlistValue& value, const char* expected) {
  return platform::Result<WatermarkData>::fail(std::string("\"") + key + "\" holds " + Describe(value) + ", not " +
                                               expected);
}

}  // namespace

PlistDict WatermarkDataToDictionary(const WatermarkData& record) {
  PlistDict dict;
  for (const StringField& s : kStrings) dict[s.key] = record.*(s.field);
  for (const FloatField& f : kFloats) dict[f.key] = static_cast<double>(record.*(f.field));
  for (const DoubleField& d : kDoubles) dict[d.key] = record.*(d.field);
  for (const IntegerField& i : kIntegers) dict[i.key] = record.*(i.field);
  if (!record.glyphs.empty()) {
    platform::PlistData bytes(record.glyphs.size() * sizeof(std::uint16_t));
    std::memcpy(bytes.data(), record.glyphs.data(), bytes.size());
    dict[kGlyphsKey] = std::move(bytes);
    dict[kGlyphCountKey] = record.glyphCount();
  }
  return dict;
}

platform::Result<WatermarkData> WatermarkDataFromDictionary(const PlistDict& dictionary, const WatermarkData& previous,
                                                            std::string* note) {
  using R = platform::Result<WatermarkData>;
  WatermarkData record;
  if (note) note->clear();
  for (const StringField& s : kStrings) {
    const PlistValue* value = platform::PlistDictFind(dictionary, s.key);
    if (value == nullptr) continue;
    const std::string* text = value->asString();
    if (text == nullptr) return Unreadable(s.key, *value, "a string");
    if (text->size() > s.limit) {
      // The print path's buffer could not hold it either: the field keeps what it had.
      record.*(s.field) = previous.*(s.field);
      if (note && note->empty())
        *note = std::string("\"") + s.key + "\" is " + std::to_string(text->size()) + " bytes long, over its " +
                std::to_string(s.limit) + "-byte limit, and is not loaded";
      continue;
    }
    record.*(s.field) = *text;
  }
  for (const FloatField& f : kFloats) {
    const PlistValue* value = platform::PlistDictFind(dictionary, f.key);
    if (value == nullptr) continue;
    auto number = FiniteNumber(*value);
    if (!number || std::fabs(*number) > static_cast<double>(std::numeric_limits<float>::max()))
      return Unreadable(f.key, *value, "a 32-bit real");
    record.*(f.field) = static_cast<float>(*number);
  }
  for (const DoubleField& d : kDoubles) {
    const PlistValue* value = platform::PlistDictFind(dictionary, d.key);
    if (value == nullptr) continue;
    auto number = FiniteNumber(*value);
    if (!number) return Unreadable(d.key, *value, "a finite real");
    record.*(d.field) = *number;
  }
  for (const IntegerField& i : kIntegers) {
    const PlistValue* value = platform::PlistDictFind(dictionary, i.key);
    if (value == nullptr) continue;
    auto number = Int32(*value);
    if (!number) return Unreadable(i.key, *value, "a 32-bit integer");
    record.*(i.field) = *number;
  }
  if (const PlistValue* count = platform::PlistDictFind(dictionary, kGlyphCountKey);
      count != nullptr && count->asInteger() == nullptr)
    return Unreadable(kGlyphCountKey, *count, "an integer");
  if (const PlistValue* value = platform::PlistDictFind(dictionary, kGlyphsKey)) {
    const platform::PlistData* bytes = value->asData();
    if (bytes == nullptr) return Unreadable(kGlyphsKey, *value, "data");
    if (bytes->size() % sizeof(std::uint16_t) != 0)
      return R::fail(std::string("\"") + kGlyphsKey + "\" holds " + std::to_string(bytes->size()) +
                     " bytes, not a whole number of 16-bit glyphs");
    if (bytes->size() / sizeof(std::uint16_t) > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
      return R::fail(std::string("\"") + kGlyphsKey + "\" holds more glyphs than a count can say");
    record.glyphs.resize(bytes->size() / sizeof(std::uint16_t));
    if (!bytes->empty()) std::memcpy(record.glyphs.data(), bytes->data(), bytes->size());
  }
  record.isText = !record.textString.empty();
  return R::ok(std::move(record));
}

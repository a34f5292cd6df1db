// Media keywords to stock values.
#include "stocklibrary/media_keywords.h"

#include <utility>

#include "model/text_compare.h"
#include "vocabulary/printer_default.h"

namespace {

struct KeywordValue {
  const char* keyword;
  std::int32_t value;
};

template <std::size_t N>
std::optional<std::int32_t> Lookup(const KeywordValue (&table)[N], std::string_view keyword) {
  for (const KeywordValue& row : table)
    if (EqualIgnoringCase(row.keyword, keyword)) return row.value;
  return std::nullopt;
}

constexpr KeywordValue kMediaTypes[] = {
    {"stationery", 1}, {"transparency", 2}, {"tab-stock", 24}, {"pre-cut-tabs", 4}, {"full-cut-tabs", 5},
    {"labels", 9},     {"envelope", 8},     {"other", 22},     {"bond", 13},        {"custom1", 15},
    {"custom2", 16},   {"custom3", 17},     {"custom4", 18},   {"custom5", 19},     {"custom6", 20},
    {"custom7", 21},
};
constexpr KeywordValue kPrePrinted[] = {{"pre-printed", 3}, {"letter-head", 14}};
constexpr std::int32_t kRecycledType = 10;
constexpr std::int32_t kCustomType = 7;
constexpr std::int32_t kOrderedType = 6;

constexpr KeywordValue kMediaColors[] = {
    {"white", 1},    {"blue", 2},     {"yellow", 3},   {"green", 4},    {"pink", 5},     {"no-color", 6},
    {"buff", 7},     {"goldenrod", 8}, {"red", 9},     {"ivory", 11},   {"gray", 12},    {"orange", 13},
    {"other", 14},   {"custom1", 15}, {"custom2", 16}, {"custom3", 17}, {"custom4", 18}, {"custom5", 19},
    {"custom6", 20}, {"custom7", 21},
};
constexpr std::int32_t kCustomColor = 10;

constexpr KeywordValue kCoatings[] = {{"glossy", 1}, {"high-gloss", 2}, {"semi-gloss", 3}, {"satin", 4}, {"matte", 5}};
constexpr const char* kUncoatedKeyword = "none";

enum class Side { kNotGiven, kUncoated, kCoated };

Side ClassOf(std::optional<std::string_view> coating) {
  if (!coating) return Side::kNotGiven;
  return EqualIgnoringCase(*coating, kUncoatedKeyword) ? Side::kUncoated : Side::kCoated;
}

}  // namespace

std::int32_t convertJTKTTypeToIndex(std::string_view mediaType, std::optional<std::string_view> prePrinted,
                                    std::optional<std::string_view> recycled, std::int32_t orderCount) {
  if (auto type = Lookup(kMediaTypes, mediaType)) return *type;
  if (prePrinted)
    if (auto type = Lookup(kPrePrinted, *prePrinted)) return *type;
  if (recycled && (EqualIgnoringCase(*recycled, "standard") || EqualIgnoringCase(*recycled, "none")))
    return kRecycledType;
  return orderCount == kPrinterDefault ? kCustomType : kOrderedType;
}

std::int32_t convertJTKTColorToIndex(std::string_view mediaColor) {
  return Lookup(kMediaColors, mediaColor).value_or(kCustomColor);
}

std::int32_t convertJTKTCoatingTypeToIndex(std::string_view coating) {
  return Lookup(kCoatings, coating).value_or(kPrinterDefault);
}

void convertJTKTSidesCoatedAndCoatingType(std::optional<std::string_view> front, std::optional<std::string_view> back,
                                          std::optional<std::int32_t>& sidesCoated,
                                          std::optional<std::int32_t>& coatingType) {
  const Side f = ClassOf(front), b = ClassOf(back);
  if (f == Side::kUncoated && b == Side::kUncoated) {
    sidesCoated = 1;
    coatingType = kPrinterDefault;
  } else if (f == Side::kCoated && b == Side::kCoated) {
    sidesCoated = 3;
    coatingType = convertJTKTCoatingTypeToIndex(*front);
  } else if (f == Side::kCoated) {
    sidesCoated = 2;
    coatingType = convertJTKTCoatingTypeToIndex(*front);
  } else if (b == Side::kCoated) {
    sidesCoated = 2;
    coatingType = convertJTKTCoatingTypeToIndex(*back);
  }
}

// Searches over the keyword maps. The maps are short and read a handful of times per panel, so a
// straight walk from the first row is all they need, and it keeps "first row wins" obvious.
#include "vocabulary/keyword_maps.h"

std::size_t CountKeywordMap(const KeywordMapRow* map) {
  std::size_t count = 0;
  if (map == nullptr) return count;
  while (map[count].keyword != nullptr) ++count;
  return count;
}

const KeywordMapRow* KeywordMapForMainKeyword(std::string_view mainKeyword) {
  for (const MainKeywordMapRow* row = MainKeywordMap; row->mainKeyword != nullptr; ++row) {
    if (mainKeyword == row->mainKeyword) return row->map;
  }
  return nullptr;
}

std::optional<std::int32_t> KeywordMapValueForKeyword(const KeywordMapRow* map, std::string_view keyword) {
  if (map == nullptr) return std::nullopt;
  for (const KeywordMapRow* row = map; row->keyword != nullptr; ++row) {
    if (keyword == row->keyword) return row->value;
  }
  return std::nullopt;
}

const char* KeywordMapKeywordForValue(const KeywordMapRow* map, std::int32_t value) {
  if (map == nullptr) return nullptr;
  for (const KeywordMapRow* row = map; row->keyword != nullptr; ++row) {
    if (row->value == value) return row->keyword;
  }
  return nullptr;
}

// Choice keyword to ticket integer and back, through MainKeywordMap.
#include "vocabulary/keyword_maps.h"
#include "vocabulary/ppd_bridge.h"

std::optional<std::int32_t> PPDTicketValueForChoice(std::string_view mainKeyword, std::string_view choice) {
  if (mainKeyword.empty() || choice.empty()) return std::nullopt;
  return KeywordMapValueForKeyword(KeywordMapForMainKeyword(mainKeyword), choice);
}

const char* PPDChoiceForTicketValue(std::string_view mainKeyword, std::int32_t value) {
  if (mainKeyword.empty()) return nullptr;
  return KeywordMapKeywordForValue(KeywordMapForMainKeyword(mainKeyword), value);
}

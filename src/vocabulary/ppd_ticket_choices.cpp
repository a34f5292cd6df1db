// The ticket's PPD dictionary: the choice keyword the user picked for each main keyword, kept
// where the print pipeline reads it.
#include "vocabulary/ppd_bridge.h"

std::optional<std::string> PPDCopyCurrentChoice(const platform::Ticket* ticket, std::string_view mainKeyword) {
  if (ticket == nullptr || mainKeyword.empty()) return std::nullopt;
  const platform::PlistDict* dict = ticket->ppdDict();
  if (dict == nullptr) return std::nullopt;
  const platform::PlistValue* entry = platform::PlistDictFind(*dict, mainKeyword);
  if (entry == nullptr || entry->asString() == nullptr) return std::nullopt;
  return *entry->asString();
}

void PPDSetCurrentChoice(platform::Ticket* ticket, std::string_view mainKeyword, std::string_view choice) {
  if (ticket == nullptr || mainKeyword.empty() || choice.empty()) return;
  ticket->ppdDict().insert_or_assign(std::string(mainKeyword), platform::PlistValue(choice));
}

bool PPDGetTicketValueForChoiceOrDefault(const PPDFile* ppd, const platform::Ticket* ticket,
                                         std::string_view mainKeyword, std::int32_t& value) {
  if (mainKeyword.empty()) return false;
  std::optional<std::string> choice = PPDCopyCurrentChoice(ticket, mainKeyword);
  if (!choice) choice = PPDCopyDefaultChoice(ppd, mainKeyword);
  if (!choice) return false;
  const std::optional<std::int32_t> mapped = PPDTicketValueForChoice(mainKeyword, *choice);
  // Callers that only look at value keep seeing -1 for a choice no map knows.
  value = mapped.value_or(-1);
  return mapped.has_value();
}

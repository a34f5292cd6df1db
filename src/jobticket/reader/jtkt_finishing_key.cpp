// The finishing option: the one choice the finishing panel stores beside the individual values,
// derived from the values a file gave.
#include "jobticket/reader/jtkt_reader.h"
#include "jobticket/writer/jtkt_finishing.h"
#include "vocabulary/printer_default.h"

namespace {

constexpr std::int32_t kFoldAndStaple = 53;

// The key's value when it is present and set.
std::optional<std::int64_t> SetValue(const platform::PlistDict& dict, const char* key) {
  const platform::PlistValue* value = platform::PlistDictFind(dict, key);
  if (value == nullptr || value->asInteger() == nullptr || *value->asInteger() == kPrinterDefault) return std::nullopt;
  return *value->asInteger();
}

bool IsStaple(std::int64_t option) { return option == 4 || option == 9 || option == 25; }

}  // namespace

void ComputeFinishingOptionKey(platform::PlistDict* dictionary) {
  if (dictionary == nullptr) return;
  platform::PlistDict& d = *dictionary;
  std::int64_t option = SetValue(d, kFinishingOptionsKey).value_or(kPrinterDefault);
  if (SetValue(d, kFinishingStaple1ValueKey)) option = 4;
  if (SetValue(d, kFinishingStaple2ValueKey)) option = 9;
  if (SetValue(d, kFinishingStapleCenterValueKey)) option = 25;
  if (SetValue(d, kFinishingHolePunchValueKey)) option = IsStaple(option) ? 49 : 30;
  if (SetValue(d, kFinishingZFoldValueKey)) {
    if (IsStaple(option)) option = 51;
    else if (option == 49) option = 50;
    else if (option == 30) option = 52;
    else option = 36;
  }
  if (SetValue(d, kFinishingBindValueKey)) option = 14;
  if (const std::optional<std::int64_t> fold = SetValue(d, kFinishingFoldValueKey)) option = *fold == kFoldAndStaple ? 24 : 40;
  d[kFinishingOptionsKey] = platform::PlistValue(option);
}

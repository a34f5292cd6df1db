// The finishing option: the one choice the finishing panel stores beside the individual values,
// derived from the values a file gave.
#include "jobticket/reader/jtkt_reader.h"
#include "jobticket/writer/jtkt_finishing.h"
#include "model/paper_output_codes.h"
#include "vocabulary/printer_default.h"

namespace {

// The key's value when it is present and set.
std::optional<std::int64_t> SetValue(const platform::PlistDict& dict, const char* key) {
  const platform::PlistValue* value = platform::PlistDictFind(dict, key);
  if (value == nullptr || value->asInteger() == nullptr || *value->asInteger() == kPrinterDefault) return std::nullopt;
  return *value->asInteger();
}

bool IsStaple(std::int64_t option) { return option == kFinishingOneStaple || option == kFinishingTwoStaples || option == kFinishingCenterStaple; }

}  // namespace

void ComputeFinishingOptionKey(platform::PlistDict* dictionary) {
  if (dictionary == nullptr) return;
  platform::PlistDict& d = *dictionary;
  std::int64_t option = SetValue(d, kFinishingOptionsKey).value_or(kPrinterDefault);
  if (SetValue(d, kFinishingStaple1ValueKey)) option = kFinishingOneStaple;
  if (SetValue(d, kFinishingStaple2ValueKey)) option = kFinishingTwoStaples;
  if (SetValue(d, kFinishingStapleCenterValueKey)) option = kFinishingCenterStaple;
  if (SetValue(d, kFinishingHolePunchValueKey)) option = IsStaple(option) ? kFinishingStaplePunch : kFinishingHolePunch;
  if (SetValue(d, kFinishingZFoldValueKey)) {
    if (IsStaple(option)) option = kFinishingStapleZFold;
    else if (option == kFinishingStaplePunch) option = kFinishingStaplePunchZFold;
    else if (option == kFinishingHolePunch) option = kFinishingPunchZFold;
    else option = kFinishingZFoldHalfSheet;
  }
  if (SetValue(d, kFinishingBindValueKey)) option = kFinishingBind;
  if (const std::optional<std::int64_t> fold = SetValue(d, kFinishingFoldValueKey)) option = *fold == kFoldBookletFoldStaple ? kFinishingBooklet : kFinishingAdvancedFold;
  d[kFinishingOptionsKey] = platform::PlistValue(option);
}

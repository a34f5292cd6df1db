// The background-forms dictionary under "com.korvo.print.BackgroundFormsOptions".
#include "model/background_forms_keys.h"
#include "model/background_forms_options.h"
#include "model/ticket_fields.h"

using namespace background_forms_keys;

namespace {


// The field's default, replaced by the dictionary's value when it is one the field can hold.
template <class Accept>
std::int32_t Read(const platform::PlistDict& dict, const char* key, std::int32_t fallback, Accept accept) {
  std::int32_t value = fallback;
  if (ReadInteger(&dict, key, value) && accept(value)) return value;
  return fallback;
}

bool IsFlag(std::int32_t v) { return v == 0 || v == 1; }

}  // namespace

platform::PlistDict BackgroundFormsOptions::asTicket() const {
  platform::PlistDict dict;
  PutInteger(dict, kUseExistingFormKey, useExistingForm_);
  if (useExistingForm_ == kMergeWithExistingForm && mergeWith_)
    dict.insert_or_assign(kMergeWithStringKey, platform::PlistValue(*mergeWith_));
  PutInteger(dict, kCyclePagesKey, cyclePages_);
  PutInteger(dict, kInchesKey, inches_);
  PutInteger(dict, kXOffsetKey, xOffset_);
  PutInteger(dict, kYOffsetKey, yOffset_);
  PutInteger(dict, kUseDocumentNameKey, useDocumentName_);
  PutInteger(dict, kApplyPagesFromKey, applyPagesFrom_);
  if (newForm_) dict.insert_or_assign(kNewFormStringKey, platform::PlistValue(*newForm_));
  return dict;
}

void BackgroundFormsOptions::fromTicket(const platform::PlistDict& dict) {
  useExistingForm_ = Read(dict, kUseExistingFormKey, 1, [](std::int32_t v) { return v == 1 || v == 2; });
  // The dialog's three page choices store 1, 0, or a page number from 2 up.
  cyclePages_ = Read(dict, kCyclePagesKey, 2, [](std::int32_t v) { return v >= 0 && v <= kMaxCyclePages; });
  inches_ = Read(dict, kInchesKey, 1, IsFlag);
  xOffset_ = Read(dict, kXOffsetKey, 0, [](std::int32_t) { return true; });
  yOffset_ = Read(dict, kYOffsetKey, 0, [](std::int32_t) { return true; });
  useDocumentName_ = Read(dict, kUseDocumentNameKey, 1, IsFlag);
  applyPagesFrom_ = Read(dict, kApplyPagesFromKey, 1, [](std::int32_t v) { return v >= 1 && v <= 3; });
  newForm_.reset();
  mergeWith_.reset();
  if (const std::string* name = FindString(&dict, kNewFormStringKey)) newForm_ = *name;
  if (const std::string* name = FindString(&dict, kMergeWithStringKey)) mergeWith_ = *name;
  loadHistory();
}

// The background-forms dictionary under "com.korvo.print.BackgroundFormsOptions".
#include "model/background_forms_keys.h"
#include "model/background_forms_options.h"
#include "model/ticket_field_table.h"

using namespace background_forms_keys;
using namespace ticket_fields;

namespace {

bool IsFlag(std::int32_t v) { return v == 0 || v == 1; }
bool IsFormChoice(std::int32_t v) { return v == 1 || v == kMergeWithExistingForm; }
// The dialog's three page choices store 1, 0, or a page number from 2 up.
bool IsCyclePages(std::int32_t v) { return v >= 0 && v <= kMaxCyclePages; }
bool IsPagesFrom(std::int32_t v) { return v >= 1 && v <= 3; }

}  // namespace

// Every field is written, and read back as its default unless the dictionary holds a value the
// field can hold: reading replaces the whole state.
Table<BackgroundFormsOptions> BackgroundFormsOptions::ticketFields() {
  using R = BackgroundFormsOptions;
  static constexpr Field<R> kFields[] = {
      {kUseExistingFormKey, Int32<R>{.field = &R::useExistingForm_, .accept = IsFormChoice, .reset = 1}},
      // The name of the form to merge with means something only while merging.
      {.key = kMergeWithStringKey,
       .kind = OptionalText<R>{.field = &R::mergeWith_, .reset = true},
       .writeWhen = [](const R& o) { return o.useExistingForm_ == kMergeWithExistingForm; }},
      {kCyclePagesKey, Int32<R>{.field = &R::cyclePages_, .accept = IsCyclePages, .reset = 2}},
      {kInchesKey, Int32<R>{.field = &R::inches_, .accept = IsFlag, .reset = 1}},
      {kXOffsetKey, Int32<R>{.field = &R::xOffset_, .reset = 0}},
      {kYOffsetKey, Int32<R>{.field = &R::yOffset_, .reset = 0}},
      {kUseDocumentNameKey, Int32<R>{.field = &R::useDocumentName_, .accept = IsFlag, .reset = 1}},
      {kApplyPagesFromKey, Int32<R>{.field = &R::applyPagesFrom_, .accept = IsPagesFrom, .reset = 1}},
      {kNewFormStringKey, OptionalText<R>{.field = &R::newForm_, .reset = true}},
  };
  return kFields;
}

platform::PlistDict BackgroundFormsOptions::asTicket() const { return WriteFields(*this, ticketFields()); }

void BackgroundFormsOptions::fromTicket(const platform::PlistDict& dict) {
  ReadFields(*this, ticketFields(), &dict);
  histories_.reset();
}

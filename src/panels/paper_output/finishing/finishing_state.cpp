#include "kit/number_text.h"
#include "model/paper_output_keys.h"
#include "panels/paper_output/paper_output_state.h"

namespace {
constexpr double kMillimetresPerInch = 25.4;
}

double TrimLengthInMillimetres(const FinishingState& f) {
  return f.trimUnit == kTrimUnitMillimetres ? f.trimLength : f.trimLength * kMillimetresPerInch;
}

std::int32_t TrimLengthMillimetres(const FinishingState& f) {
  // Cut, but inches converted to a whole millimetre are not cut below it.
  return ScaledTowardZero(TrimLengthInMillimetres(f));
}

std::int32_t JobTypeIn(const platform::PlistDict& jobType) {
  const platform::PlistValue* value = platform::PlistDictFind(jobType, kJobTypeJobTypeKey);
  if (value == nullptr || value->asInteger() == nullptr) return kJobTypeNormal;
  return static_cast<std::int32_t>(*value->asInteger());
}

std::int32_t JobTypeOf(const PaperOutputContext& context) { return JobTypeIn(context.jobType); }

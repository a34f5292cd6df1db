#include <cmath>

#include "panels/paper_output/paper_output_state.h"
#include "panels/paper_output/finishing/trim_dialog.h"

namespace {
constexpr double kMillimetresPerPoint = 0.352777778;
constexpr double kMillimetresPerInch = 25.4;
constexpr double kTolerance = 0.01;
}  // namespace

TrimLimits TrimLimitsForHeight(double heightPoints) {
  const double half = heightPoints * kMillimetresPerPoint * 0.5;
  return {half - 20.0, half - 2.0};
}

TrimLimits TrimLimitsInUnit(const TrimLimits& mm, std::int32_t unit) {
  if (unit == kTrimUnitMillimetres) return mm;
  return {mm.minimum / kMillimetresPerInch, mm.maximum / kMillimetresPerInch};
}

std::int32_t LowestWholeMillimetres(const TrimLimits& millimetres) {
  return static_cast<std::int32_t>(std::ceil(millimetres.minimum - kTolerance));
}

bool ValidateInputValues(double length, std::int32_t unit, const TrimLimits& millimetres) {
  const TrimLimits limits = TrimLimitsInUnit(millimetres, unit);
  return length >= limits.minimum - kTolerance && length <= limits.maximum + kTolerance;
}

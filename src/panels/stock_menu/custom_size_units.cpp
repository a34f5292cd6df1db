#include "panels/stock_menu/custom_size_units.h"

#include <algorithm>
#include <cmath>

#include "platform/locale/measurement_system.h"


namespace {

constexpr double kThousandthsOfInchPerHundredthOfMillimetre = 0.3937007874;

std::int32_t Round(double value) { return static_cast<std::int32_t>(std::lround(value)); }

}  // namespace

CustomSizeDefaults CustomSizeDefaultsForLocale() {
  if (platform::UserMeasurementSystem() == platform::MeasurementSystem::kUS) return {kUnitsInches, 21590, 27940};
  return {kUnitsMillimetres, 21000, 29700};
}

FieldLimits FieldLimitsInUnits(float minimumPoints, float maximumPoints, CustomSizeUnits units) {
  const double perPoint = units == kUnitsInches ? 100.0 / 72 : 254.0 / 72;
  return {Round(minimumPoints * perPoint), Round(maximumPoints * perPoint)};
}

std::uint32_t DecimalsOfUnits(CustomSizeUnits units) { return units == kUnitsInches ? 2 : 1; }

std::int32_t FieldValueOfDimension(std::int32_t hundredthsOfMillimetre, CustomSizeUnits units) {
  // Cut toward zero, as typed decimals are; through the nearest thousandth of an inch first, so
  // that a width stored from the field (8.26 in as 20980, 8.2598 in) shows as it was typed.
  if (units == kUnitsInches) return Round(hundredthsOfMillimetre * kThousandthsOfInchPerHundredthOfMillimetre) / 10;
  return hundredthsOfMillimetre / 10;
}

std::int32_t DimensionOfFieldValue(std::int32_t value, CustomSizeUnits units) {
  if (units == kUnitsInches) return Round(value * 2.54 * 10);
  return value * 10;
}

std::int32_t ConvertFieldValue(std::int32_t value, CustomSizeUnits from, CustomSizeUnits to) {
  if (from == to) return value;
  return to == kUnitsInches ? Round(value * 0.3937007874) : Round(value * 2.54);
}

std::optional<platform::ui::Rect> CustomSizePreviewRect(const platform::ui::Rect& area, std::int32_t width,
                                                        std::int32_t length, std::int32_t maximumWidth,
                                                        std::int32_t maximumLength) {
  if (maximumWidth <= 0 || maximumLength <= 0 || width <= 0 || length <= 0) return std::nullopt;
  const double scale = std::min(static_cast<double>(area.width) / maximumWidth,
                                static_cast<double>(area.height) / maximumLength);
  const int w = static_cast<int>(width * scale), h = static_cast<int>(length * scale);
  return platform::ui::Rect{area.x + (area.width - w) / 2, area.y + (area.height - h) / 2, w, h};
}

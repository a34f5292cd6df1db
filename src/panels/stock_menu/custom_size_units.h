#pragma once
// The custom size dialog's arithmetic: which units the user sees, the fields' limits in those
// units, and the way between a stored dimension (hundredths of a millimetre) and a field's value
// (hundredths of an inch, or tenths of a millimetre).
#include <cstdint>
#include <optional>

#include "panels/dialog_state.h"
#include "platform/ui/control.h"


// The locale's units and paper: inches and 21590 by 27940 where it measures in U.S. units,
// millimetres and 21000 by 29700 elsewhere.
struct CustomSizeDefaults {
  CustomSizeUnits units;
  std::int32_t width;
  std::int32_t length;
};
CustomSizeDefaults CustomSizeDefaultsForLocale();

// A field's limits in the units, from limits in points, each rounded to the nearest.
struct FieldLimits {
  std::int32_t minimum;
  std::int32_t maximum;
};
FieldLimits FieldLimitsInUnits(float minimumPoints, float maximumPoints, CustomSizeUnits units);

// The decimals a field shows in the units: 2 for inches, 1 for millimetres.
std::uint32_t DecimalsOfUnits(CustomSizeUnits units);

// A stored dimension as the field shows it, cut toward zero (21000 is 8.26 in, 210.0 mm; 20995
// is 209.9 mm).
std::int32_t FieldValueOfDimension(std::int32_t hundredthsOfMillimetre, CustomSizeUnits units);
// A field's value stored: inches × 2.54 × 10 rounded; tenths of a millimetre × 10.
std::int32_t DimensionOfFieldValue(std::int32_t value, CustomSizeUnits units);
// A field's value in the other units, rounded (850 in hundredths is 2159 tenths of a millimetre).
std::int32_t ConvertFieldValue(std::int32_t value, CustomSizeUnits from, CustomSizeUnits to);

// The paper drawn in a preview area: centred, scaled by the smaller of the two ratios of the area
// to the largest paper, so that the largest fits. None when there are no limits to scale by.
std::optional<platform::ui::Rect> CustomSizePreviewRect(const platform::ui::Rect& area, std::int32_t width,
                                                        std::int32_t length, std::int32_t maximumWidth,
                                                        std::int32_t maximumLength);

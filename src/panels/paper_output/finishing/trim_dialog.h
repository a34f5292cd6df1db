#pragma once
// The limits of the trimmed length and their check, apart from the dialog so that they can be
// reasoned about alone.
#include <cstdint>
#include <optional>
#include <string_view>

struct TrimLimits {
  double minimum = 0;  // millimetres
  double maximum = 0;
};

// From the sheet's height in points: half the sheet less 20 mm, up to half the sheet less 2 mm.
TrimLimits TrimLimitsForHeight(double heightPoints);
// The limits in the unit (68 millimetres, 69 inches).
TrimLimits TrimLimitsInUnit(const TrimLimits& millimetres, std::int32_t unit);
// True when length (in unit) lies within the limits, with 0.01 of tolerance either way.
bool ValidateInputValues(double length, std::int32_t unit, const TrimLimits& millimetres);
// The smallest whole number of millimetres the limits accept.
std::int32_t LowestWholeMillimetres(const TrimLimits& millimetres);

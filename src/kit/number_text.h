#pragma once
// Lengths and other scaled integers as text for the user. Lengths are kept as integers scaled to
// the display precision (hundredths of an inch, tenths of a millimetre); this turns them into
// the locale's own way of writing the number.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// value / 10^decimals with exactly `decimals` digits after the decimal separator, grouped, in
// the numeric conventions of the user's locale (LC_ALL, LC_NUMERIC, LANG): 850 with 2 decimals
// is "8.50" in English and "8,50" in German; 0 decimals formats value itself. A locale that is
// named but not installed gives the POSIX form ("8.50"). None when decimals is negative or above 15.
std::optional<std::string> CreateLocalizedCFStringFromNumberWithDecimals(std::int32_t value, int decimals);

// The same in the named locale ("de_DE.UTF-8"); an empty name means the environment's. None too
// when that locale is not installed.
std::optional<std::string> CreateLocalizedCFStringFromNumberWithDecimalsInLocale(std::int32_t value, int decimals,
                                                                                 std::string_view localeName);

// A real value in a field's scaled units (hundredths of an inch, tenths of a millimetre) as the
// field's integer: cut toward zero, as typed decimals are, so that 826.77 is 826. A real that
// stands for a whole number but is held a hair below it (29 hundredths kept as 0.29f inches, that
// is 28.9999992) is that number. Held at the bounds of the 32-bit range.
std::int32_t ScaledTowardZero(double value);

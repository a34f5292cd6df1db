#pragma once
// Scaled integers as the user's locale writes them, both ways: the numeric controls show a value
// such as 850 hundredths as "8.50" (or "8,50") and read what the user typed back into hundredths.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct NumberSymbols {
  std::string decimalSeparator = ".";
  std::string groupingSeparator;  // empty when the locale does not group digits
};

// The symbols of the user's locale (LC_ALL, LC_NUMERIC, LANG), or of the named one; the "C"
// locale's when that cannot be had.
NumberSymbols UserNumberSymbols(std::string_view localeName = {});

// value / 10^decimals in the user's locale, as CreateLocalizedCFStringFromNumberWithDecimals
// writes it; in the "C" locale's form when the user's cannot be had, so a field is never blank.
std::string FormatDecimalText(std::int32_t value, int decimals);

// The number text writes, times 10^decimals, cut toward zero: "1.05" with 2 decimals is 105,
// "1.999" is 199 and "-0.55" with 1 decimal is -5. The digits themselves are cut, so no binary
// fraction can take the last one away ("1.15" is 115). The text is an optional "-", digits
// grouped or not as the locale groups them, and optionally the decimal separator and more digits;
// at least one digit, and spaces around it. None when the text is anything else ("5-",
// "1.2.3"), when decimals is negative, or when the result lies outside the 32-bit range.
std::optional<std::int32_t> ParseDecimalText(std::string_view text, int decimals, const NumberSymbols& symbols);

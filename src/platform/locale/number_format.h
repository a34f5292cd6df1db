#pragma once
// Numbers as the user's locale writes them: its decimal separator and its digit grouping.
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// value with exactly fractionDigits digits after the separator (rounded), grouped as the
// numeric conventions (LC_NUMERIC) of localeName say: "en_US.UTF-8" writes 1234.5 with two
// digits as "1,234.50", "de_DE.UTF-8" as "1.234,50". An empty localeName takes the locale from
// the environment (LC_ALL, LC_NUMERIC, LANG), as the user's other programs do.
// None when the locale is not installed, or fractionDigits lies outside 0...15.
std::optional<std::string> FormatLocalizedNumber(double value, int fractionDigits,
                                                 std::string_view localeName = {});

// The decimal separator and the digit-grouping separator (empty when the locale does not group)
// of localeName, empty meaning the environment's; none when that locale is not installed.
struct NumberSeparators {
  std::string decimal;
  std::string grouping;
};
std::optional<NumberSeparators> LocaleNumberSeparators(std::string_view localeName = {});

}  // namespace platform

#include "kit/number_text.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/locale/number_format.h"

std::optional<std::string> CreateLocalizedCFStringFromNumberWithDecimalsInLocale(std::int32_t value, int decimals,
                                                                                 std::string_view localeName) {
  if (decimals < 0 || decimals > 15) return std::nullopt;
  // A double holds every 32-bit value exactly, and its quotient by a power of ten lies far closer
  // to the decimal value than the rounding to `decimals` digits could notice.
  double scaled = static_cast<double>(value) / std::pow(10.0, decimals);
  return platform::FormatLocalizedNumber(scaled, decimals, localeName);
}

std::optional<std::string> CreateLocalizedCFStringFromNumberWithDecimals(std::int32_t value, int decimals) {
  // The empty name asks for the locale the environment names. One that is not installed here
  // still gets the right number, written the POSIX way, never the unscaled integer.
  if (auto text = CreateLocalizedCFStringFromNumberWithDecimalsInLocale(value, decimals, {})) return text;
  return CreateLocalizedCFStringFromNumberWithDecimalsInLocale(value, decimals, "C");
}

std::int32_t ScaledTowardZero(double value) {
  if (std::isnan(value)) return 0;
  // Single precision is good to about one part in 2^24; a real made from a scaled integer is
  // never further from it than that, and a true fraction of a field unit never so close.
  const double hair = std::fabs(value) * 0x1p-20;
  const double cut = std::trunc(value + (value < 0 ? -hair : hair));
  return static_cast<std::int32_t>(std::clamp(cut, static_cast<double>(std::numeric_limits<std::int32_t>::min()),
                                              static_cast<double>(std::numeric_limits<std::int32_t>::max())));
}

// The date text form of property lists: "YYYY-MM-DDTHH:MM:SSZ", always UTC. The conversion is
// done here by arithmetic on the proleptic Gregorian calendar rather than through timegm/gmtime,
// which depend on the C library's range and are not the same on every platform.
#include <cmath>
#include <cstdint>

#include "platform/plist/plist_text_forms.h"

namespace platform::plist_forms {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
// 0001-01-01T00:00:00Z and 9999-12-31T23:59:59Z, the range four year digits can hold.
constexpr std::int64_t kFirstSecond = -62135596800;
constexpr std::int64_t kLastSecond = 253402300799;

// Days from 1970-01-01 to the given civil date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

struct CivilDate {
  std::int64_t year;
  int month, day;
};

CivilDate CivilFromDays(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {yoe + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

int DaysInMonth(std::int64_t year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

// The number in text[at, at + width), or -1 when any of those characters is not a digit.
int Digits(std::string_view text, std::size_t at, std::size_t width) {
  int value = 0;
  for (std::size_t i = at; i < at + width; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

void AppendPadded(std::string& out, std::int64_t value, int width) {
  std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < width)
    out.append(static_cast<std::size_t>(width) - digits.size(), '0');
  out += digits;
}

}  // namespace

Result<PlistDate> ParseDate(std::string_view text) {
  using R = Result<PlistDate>;
  std::string_view s = TrimXmlSpace(text);
  auto bad = [&] {
    return R::fail(QuoteForMessage(text) + " is not a date of the form YYYY-MM-DDTHH:MM:SSZ");
  };
  // Fields start at 0 (year), 5, 8, 11, 14 and 17 (second); the separators sit between them.
  if (s.size() != 20 || s[4] != '-' || s[7] != '-' || s[10] != 'T' || s[13] != ':' ||
      s[16] != ':' || s[19] != 'Z')
    return bad();
  const int year = Digits(s, 0, 4), month = Digits(s, 5, 2), day = Digits(s, 8, 2);
  const int hour = Digits(s, 11, 2), minute = Digits(s, 14, 2), second = Digits(s, 17, 2);
  if (year < 1 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) ||
      hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
    return bad();
  const std::int64_t seconds =
      DaysFromCivil(year, month, day) * kSecondsPerDay + hour * 3600 + minute * 60 + second;
  return R::ok(PlistDate{static_cast<double>(seconds)});
}

Result<std::string> FormatDate(PlistDate date) {
  using R = Result<std::string>;
  const double whole = std::floor(date.secondsSince1970);
  if (!std::isfinite(whole) || whole < static_cast<double>(kFirstSecond) ||
      whole > static_cast<double>(kLastSecond))
    return R::fail("date is outside the years 0001 to 9999");
  const auto seconds = static_cast<std::int64_t>(whole);
  std::int64_t days = seconds / kSecondsPerDay;
  std::int64_t rest = seconds % kSecondsPerDay;
  if (rest < 0) {
    rest += kSecondsPerDay;
    --days;
  }
  const CivilDate civil = CivilFromDays(days);
  std::string out;
  AppendPadded(out, civil.year, 4);
  out += '-';
  AppendPadded(out, civil.month, 2);
  out += '-';
  AppendPadded(out, civil.day, 2);
  out += 'T';
  AppendPadded(out, rest / 3600, 2);
  out += ':';
  AppendPadded(out, rest / 60 % 60, 2);
  out += ':';
  AppendPadded(out, rest % 60, 2);
  out += 'Z';
  return R::ok(std::move(out));
}

}  // namespace platform::plist_forms

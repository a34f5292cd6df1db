// Integer and real text forms of property lists.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "platform/plist/plist_text_forms.h"

namespace platform::plist_forms {

Result<std::int64_t> ParseInteger(std::string_view text) {
  using R = Result<std::int64_t>;
  std::string_view trimmed = TrimXmlSpace(text);
  std::string_view digits = trimmed;
  bool negative = false;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  int base = 10;
  if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
    base = 16;
    digits.remove_prefix(2);
  }
  std::uint64_t magnitude = 0;
  const char* end = digits.data() + digits.size();
  auto [stop, ec] = std::from_chars(digits.data(), end, magnitude, base);
  if (digits.empty() || stop != end || (ec != std::errc() && ec != std::errc::result_out_of_range))
    return R::fail(QuoteForMessage(text) + " is not an integer");
  // The most negative int64 has no positive counterpart, hence the asymmetric limit.
  const std::uint64_t limit =
      static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + (negative ? 1U : 0U);
  if (ec == std::errc::result_out_of_range || magnitude > limit)
    return R::fail("integer " + QuoteForMessage(trimmed) + " is out of range");
  if (!negative) return R::ok(static_cast<std::int64_t>(magnitude));
  if (magnitude == limit) return R::ok(std::numeric_limits<std::int64_t>::min());
  return R::ok(-static_cast<std::int64_t>(magnitude));
}

void AppendInteger(std::string& out, std::int64_t value) {
  char buffer[24];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

Result<double> ParseReal(std::string_view text) {
  using R = Result<double>;
  std::string_view body = TrimXmlSpace(text);
  // from_chars takes a minus sign but no plus sign; other writers put one on "+infinity".
  if (!body.empty() && body.front() == '+') {
    body.remove_prefix(1);
    if (!body.empty() && body.front() == '-') body = {};
  }
  double value = 0;
  const char* end = body.data() + body.size();
  auto [stop, ec] = std::from_chars(body.data(), end, value, std::chars_format::general);
  if (body.empty() || stop != end || (ec != std::errc() && ec != std::errc::result_out_of_range))
    return R::fail(QuoteForMessage(text) + " is not a real number");
  if (ec == std::errc::result_out_of_range)
    return R::fail("real " + QuoteForMessage(TrimXmlSpace(text)) + " is out of range");
  return R::ok(value);
}

void AppendReal(std::string& out, double value) {
  if (std::isnan(value)) {
    out += "nan";
    return;
  }
  if (std::isinf(value)) {
    out += value < 0 ? "-inf" : "inf";
    return;
  }
  // Shortest round-trip digits and their exponent, from "[-]d[.ddd]e(+|-)xx".
  char buffer[40];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  std::string_view sci(buffer, static_cast<std::size_t>(result.ptr - buffer));
  if (sci.front() == '-') {
    out += '-';
    sci.remove_prefix(1);
  }
  std::size_t e = sci.find('e');
  std::string digits(1, sci[0]);
  if (e > 1) digits.append(sci.substr(2, e - 2));
  std::string_view exponentText = sci.substr(e + 1);
  bool negativeExponent = exponentText.front() == '-';
  exponentText.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
  if (negativeExponent) exponent = -exponent;

  // Laid out as Python's repr: positional from 1e-4 up to 1e16, exponential outside.
  const int point = exponent + 1;  // digits before the decimal point
  const int count = static_cast<int>(digits.size());
  if (point <= -4 || point > 16) {
    out += digits[0];
    if (count > 1) {
      out += '.';
      out.append(digits, 1);
    }
    out += negativeExponent ? "e-" : "e+";
    if (std::abs(exponent) < 10) out += '0';
    AppendInteger(out, std::abs(exponent));
  } else if (point <= 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-point), '0');
    out += digits;
  } else if (point < count) {
    out.append(digits, 0, static_cast<std::size_t>(point));
    out += '.';
    out.append(digits, static_cast<std::size_t>(point));
  } else {
    out += digits;
    out.append(static_cast<std::size_t>(point - count), '0');
    out += ".0";
  }
}

}  // namespace platform::plist_forms

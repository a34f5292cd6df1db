#include "controls/decimal_text.h"

#include "kit/number_text.h"
#include "platform/locale/number_format.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// Digits of the magnitude, accumulated without passing the largest magnitude a 32-bit value has.
class Magnitude {
 public:
  void push(int digit) {
    if (overflow_) return;
    value_ = value_ * 10 + static_cast<std::uint64_t>(digit);
    if (value_ > kLimit) overflow_ = true;
  }
  std::optional<std::int32_t> signedValue(bool negative) const {
    if (overflow_ || value_ > (negative ? kLimit : kLimit - 1)) return std::nullopt;
    const auto magnitude = static_cast<std::int64_t>(value_);
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  }

 private:
  static constexpr std::uint64_t kLimit = 2147483648u;  // the magnitude of the smallest value
  std::uint64_t value_ = 0;
  bool overflow_ = false;
};

}  // namespace

NumberSymbols UserNumberSymbols(std::string_view localeName) {
  NumberSymbols symbols;
  auto separators = platform::LocaleNumberSeparators(localeName);
  if (!separators) return symbols;
  if (!separators->decimal.empty()) symbols.decimalSeparator = separators->decimal;
  symbols.groupingSeparator = separators->grouping;
  return symbols;
}

std::string FormatDecimalText(std::int32_t value, int decimals) {
  return CreateLocalizedCFStringFromNumberWithDecimals(value, decimals).value_or(std::to_string(value));
}

std::optional<std::int32_t> ParseDecimalText(std::string_view text, int decimals, const NumberSymbols& symbols) {
  if (decimals < 0) return std::nullopt;
  text = Trimmed(text);
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);

  Magnitude magnitude;
  int digits = 0;
  // The whole part. Groups after a separator hold two or three digits (three last, as every
  // locale groups its thousands), so that "1.2.3" is no German number and "1,23" no English one.
  bool grouped = false;
  int group = 0;
  while (!text.empty()) {
    if (IsDigit(text.front())) {
      magnitude.push(text.front() - '0');
      ++digits;
      ++group;
      text.remove_prefix(1);
    } else if (digits > 0 && !symbols.groupingSeparator.empty() && text.starts_with(symbols.groupingSeparator)) {
      if (grouped && group != 2 && group != 3) return std::nullopt;
      grouped = true;
      group = 0;
      text.remove_prefix(symbols.groupingSeparator.size());
    } else {
      break;
    }
  }
  if (grouped && group != 3) return std::nullopt;
  // The fraction: `decimals` digits go into the value; the rest lie past what the value can hold
  // and are cut off, never rounded up, so that the value is what the user typed as far as the field
  // shows it (0.55 with one decimal is 5).
  int fractionDigits = 0;
  if (text.starts_with(symbols.decimalSeparator)) {
    text.remove_prefix(symbols.decimalSeparator.size());
    while (!text.empty() && IsDigit(text.front())) {
      if (fractionDigits < decimals) magnitude.push(text.front() - '0');
      ++fractionDigits;
      ++digits;
      text.remove_prefix(1);
    }
  }
  if (!text.empty() || digits == 0) return std::nullopt;
  for (int i = fractionDigits; i < decimals; ++i) magnitude.push(0);
  return magnitude.signedValue(negative);
}

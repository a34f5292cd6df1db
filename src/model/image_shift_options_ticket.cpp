// The image-shift dictionary. Shifts are stored in hundredths of a millimetre ("FullPrecision")
// so that a value entered in either unit survives the trip exactly; older writers stored them in
// the user's own unit, which a dictionary without "FullPrecision" still means.
#include <cmath>

#include "model/image_shift_options.h"
#include "model/ticket_fields.h"

namespace {

constexpr const char* kOptionKey = kImageShiftOptionKey;
constexpr const char* kInchesKey = kImageShiftInchesKey;
constexpr const char* kFullPrecisionKey = kImageShiftFullPrecisionKey;
constexpr const char* kX1Key = kImageShiftX1Key;
constexpr const char* kY1Key = kImageShiftY1Key;
constexpr const char* kX2Key = kImageShiftX2Key;
constexpr const char* kY2Key = kImageShiftY2Key;

bool IsKnownOption(std::int32_t option) {
  return option == kImageShiftPrinterDefault || (option >= kImageShiftIndependent && option <= kImageShiftTandemBoth);
}

// To hundredths of a millimetre: from hundredths of an inch x 25.4, from tenths of a mm x 10.
std::int64_t ToFullPrecision(std::int32_t value, bool inches) {
  return inches ? std::llround(value * 25.4) : static_cast<std::int64_t>(value) * 10;
}

// Back to the user's unit, rounded to nearest like the way in, so a value never drifts.
double FromFullPrecision(std::int32_t value, bool inches) { return inches ? value / 25.4 : value / 10.0; }

// A shift from the ticket: converted when stored at full precision, and 0 (no shift) when it lies
// outside the range of its unit.
std::int32_t ReadShift(const platform::PlistDict& dict, const char* key, bool fullPrecision, bool inches,
                       std::int32_t limit) {
  std::int32_t stored = 0;
  if (!ReadInteger(&dict, key, stored)) return 0;
  double value = fullPrecision ? FromFullPrecision(stored, inches) : stored;
  double rounded = std::round(value);
  return std::fabs(rounded) <= limit ? static_cast<std::int32_t>(rounded) : 0;
}

}  // namespace

std::optional<platform::PlistDict> ImageShiftOptions::asTicket() const {
  if (!valid || option == kImageShiftPrinterDefault) return std::nullopt;
  platform::PlistDict dict;
  PutInteger(dict, kOptionKey, option);
  PutInteger(dict, kInchesKey, inches ? 1 : 0);
  dict.insert_or_assign(kFullPrecisionKey, platform::PlistValue(true));
  dict.insert_or_assign(kX1Key, platform::PlistValue(ToFullPrecision(x1, inches)));
  dict.insert_or_assign(kY1Key, platform::PlistValue(ToFullPrecision(y1, inches)));
  dict.insert_or_assign(kX2Key, platform::PlistValue(ToFullPrecision(x2, inches)));
  dict.insert_or_assign(kY2Key, platform::PlistValue(ToFullPrecision(y2, inches)));
  return dict;
}

void ImageShiftOptions::fromTicket(const platform::PlistDict& dict) {
  option = kImageShiftPrinterDefault;
  if (std::int32_t stored = 0; ReadInteger(&dict, kOptionKey, stored) && IsKnownOption(stored)) option = stored;
  std::int32_t inchesFlag = 1;
  ReadInteger(&dict, kInchesKey, inchesFlag);
  inches = inchesFlag != 0;
  const platform::PlistValue* precision = platform::PlistDictFind(dict, kFullPrecisionKey);
  const bool fullPrecision = precision != nullptr && precision->asBoolean() != nullptr && *precision->asBoolean();
  x1 = ReadShift(dict, kX1Key, fullPrecision, inches, maxX());
  y1 = ReadShift(dict, kY1Key, fullPrecision, inches, maxY());
  x2 = ReadShift(dict, kX2Key, fullPrecision, inches, maxX());
  y2 = ReadShift(dict, kY2Key, fullPrecision, inches, maxY());
  valid = true;
}

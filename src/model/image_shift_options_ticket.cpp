// The image-shift dictionary. Shifts are stored in hundredths of a millimetre ("FullPrecision")
// so that a value entered in either unit survives the trip exactly; older writers stored them in
// the user's own unit, which a dictionary without "FullPrecision" still means.
#include <cmath>
#include <cstdlib>

#include "model/image_shift_options.h"
#include "model/ticket_field_table.h"

using namespace ticket_fields;

namespace {

using R = ImageShiftOptions;

bool IsKnownOption(std::int32_t option) {
  return option == kImageShiftPrinterDefault || (option >= kImageShiftIndependent && option <= kImageShiftTandemBoth);
}

// To hundredths of a millimetre: from hundredths of an inch x 25.4, from tenths of a mm x 10.
std::int64_t ToFullPrecision(std::int32_t value, bool inches) {
  return inches ? std::llround(value * 25.4) : static_cast<std::int64_t>(value) * 10;
}

// Back to the user's unit, cut toward zero: 2539 is 99 hundredths of an inch, -15 is -1 tenth of a
// millimetre. A value written above comes back as it went in, though: the rounding on the way in
// can put it just under its inches (3 hundredths are 76.2, stored as 76), where cutting alone
// would take a hundredth off at every read.
std::int64_t FromFullPrecision(std::int32_t value, bool inches) {
  if (!inches) return value / 10;
  const std::int64_t cut = static_cast<std::int64_t>(value) * 10 / 254;
  const std::int64_t next = cut + (value < 0 ? -1 : 1);
  return std::llround(static_cast<double>(next) * 25.4) == value ? next : cut;
}

bool IsFullPrecision(const platform::PlistDict& dict) {
  const platform::PlistValue* precision = platform::PlistDictFind(dict, kImageShiftFullPrecisionKey);
  return precision != nullptr && precision->asBoolean() != nullptr && *precision->asBoolean();
}

// The unit travels as an integer flag; without one the shifts are in inches.
constexpr Custom<R> kInchesField = {
    [](const R& o, platform::PlistDict& dict, const char* key) {
      PutInteger(dict, key, o.inches ? 1 : 0);
      return true;
    },
    [](R& o, const platform::PlistDict& dict, const char* key) {
      std::int32_t flag = 1;
      const bool taken = ReadInteger(&dict, key, flag);
      o.inches = flag != 0;
      return taken;
    }};

// Not a field but how the shifts below are stored: always written, and read by each shift.
constexpr Custom<R> kFullPrecisionField = {
    [](const R&, platform::PlistDict& dict, const char* key) {
      dict.insert_or_assign(key, platform::PlistValue(true));
      return true;
    },
    [](R&, const platform::PlistDict& dict, const char*) { return IsFullPrecision(dict); }};

// A shift, written at full precision. Read back converted when stored at full precision, and 0
// (no shift) when absent or outside the range of its unit; the unit is read before it.
template <std::int32_t R::*Shift, bool Horizontal>
constexpr Custom<R> ShiftField() {
  return {[](const R& o, platform::PlistDict& dict, const char* key) {
            dict.insert_or_assign(key, platform::PlistValue(ToFullPrecision(o.*Shift, o.inches)));
            return true;
          },
          [](R& o, const platform::PlistDict& dict, const char* key) {
            o.*Shift = 0;
            std::int32_t stored = 0;
            if (!ReadInteger(&dict, key, stored)) return false;
            const std::int64_t value = IsFullPrecision(dict) ? FromFullPrecision(stored, o.inches) : stored;
            if (std::llabs(value) > (Horizontal ? o.maxX() : o.maxY())) return false;
            o.*Shift = static_cast<std::int32_t>(value);
            return true;
          }};
}

constexpr Field<R> kFields[] = {
    {kImageShiftOptionKey, Int32<R>{.field = &R::option, .accept = IsKnownOption, .reset = kImageShiftPrinterDefault}},
    {kImageShiftInchesKey, kInchesField},
    {kImageShiftFullPrecisionKey, kFullPrecisionField},
    {kImageShiftX1Key, ShiftField<&R::x1, true>()},
    {kImageShiftY1Key, ShiftField<&R::y1, false>()},
    {kImageShiftX2Key, ShiftField<&R::x2, true>()},
    {kImageShiftY2Key, ShiftField<&R::y2, false>()},
};

}  // namespace

std::optional<platform::PlistDict> ImageShiftOptions::asTicket() const {
  if (!valid || option == kImageShiftPrinterDefault) return std::nullopt;
  return WriteFields<R>(*this, kFields);
}

void ImageShiftOptions::fromTicket(const platform::PlistDict& dict) {
  ReadFields<R>(*this, kFields, &dict);
  valid = true;
}

// The two size lookups over the stock size table. The table holds several sizes with the same
// dimensions; table order decides between them, so both walks stop at the first row that fits.
#include "model/stock_sizes.h"

#include "vocabulary/printer_default.h"

namespace {

constexpr std::int64_t kTolerancePoints = 5;

// Hundredths of a millimetre to PostScript points, rounded to single precision as the menus'
// page sizes are.
float ToPoints(std::int32_t hundredthsOfMillimetre) {
  return static_cast<float>(static_cast<double>(hundredthsOfMillimetre) / 100.0 / 25.4 * 72.0);
}

// Within the row's integer point value plus or minus 5, bounds included. The bounds are formed
// in 64 bits, so no row value can overflow them.
bool WithinTolerance(float points, std::int32_t rowPoints) {
  const auto low = static_cast<float>(static_cast<std::int64_t>(rowPoints) - kTolerancePoints);
  const auto high = static_cast<float>(static_cast<std::int64_t>(rowPoints) + kTolerancePoints);
  return points >= low && points <= high;
}

bool Matches(const PaperSizeSettingMap& row, std::int32_t width, std::int32_t length, float widthPt,
             float lengthPt) {
  if (width == row.widthHmm && length == row.heightHmm) return true;
  // The printer-default row's columns hold the sentinel, not a size: nothing near it is a match.
  if (row.value == kPrinterDefault) return false;
  if (widthPt == static_cast<float>(row.widthPt) && lengthPt == static_cast<float>(row.heightPt)) return true;
  return WithinTolerance(widthPt, row.widthPt) && WithinTolerance(lengthPt, row.heightPt);
}

}  // namespace

std::int32_t GetSizeForStockDimensions(const PaperSizeSettingMap* table, std::int32_t width, std::int32_t length) {
  if (table == nullptr) return kPrinterDefault;
  const float widthPt = ToPoints(width);
  const float lengthPt = ToPoints(length);
  // A row of value 0 ends the table (and, first, makes it empty); nothing beyond it is read.
  for (const PaperSizeSettingMap* row = table; row->value != 0; ++row) {
    if (Matches(*row, width, length, widthPt, lengthPt)) return row->value;
  }
  return kPrinterDefault;
}

bool GetStockDimensionsForSize(const PaperSizeSettingMap* table, std::int32_t size, std::int32_t& width,
                               std::int32_t& length) {
  width = 0;
  length = 0;
  if (table == nullptr) return false;
  for (const PaperSizeSettingMap* row = table; row->value != 0; ++row) {
    if (row->value == size) {
      width = row->widthHmm;
      length = row->heightHmm;
      return true;
    }
  }
  return false;
}

std::int32_t GetSizeForStockDimensions(std::int32_t width, std::int32_t length) {
  return GetSizeForStockDimensions(CompleteStockSizeMap, width, length);
}

bool GetStockDimensionsForSize(std::int32_t size, std::int32_t& width, std::int32_t& length) {
  return GetStockDimensionsForSize(CompleteStockSizeMap, size, width, length);
}

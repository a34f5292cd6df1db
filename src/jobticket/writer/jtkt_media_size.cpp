// The stock's size as media dimensions: from the size table, from the stock's own dimensions for
// a custom size, or, for a stock that names no size, from the page geometry a host set.
#include "jobticket/writer/jtkt_media.h"
#include "jobticket/writer/jtkt_ticket_read.h"
#include "model/stock_keys.h"
#include "model/stock_sizes.h"
#include "vocabulary/setting_map.h"

namespace {

// A dimension the record can carry: a length, not the sentinel or a negative number.
bool IsDimension(std::int32_t value) { return value > 0; }

// The first row of the size table whose point sizes are exactly width and length.
const PaperSizeSettingMap* RowForPoints(float width, float length) {
  for (const PaperSizeSettingMap* row = CompleteStockSizeMap; row->value != 0; ++row) {
    if (row->value == kPrinterDefault) continue;  // its columns hold the sentinel, not a size
    if (static_cast<float>(row->widthPt) == width && static_cast<float>(row->heightPt) == length) return row;
  }
  return nullptr;
}

void FillFromPageGeometry(_MEDIADATA* record, const JTktPageGeometry& page) {
  const bool portrait = page.orientation == 0 || page.orientation == 2;
  const bool landscape = page.orientation == 1 || page.orientation == 3;
  const float width = portrait ? page.width : landscape ? page.length : 0;
  const float length = portrait ? page.length : landscape ? page.width : 0;
  const PaperSizeSettingMap* row = RowForPoints(width, length);
  if (row == nullptr || !IsDimension(row->widthHmm) || !IsDimension(row->heightHmm)) return;
  const auto rowWidth = static_cast<std::uint32_t>(row->widthHmm);
  const auto rowLength = static_cast<std::uint32_t>(row->heightHmm);
  record->xDimension = landscape ? rowLength : rowWidth;
  record->yDimension = landscape ? rowWidth : rowLength;
}

}  // namespace

void FillMediaSize(_MEDIADATA* record, const Stock& stock) { FillMediaSize(record, stock, nullptr); }

void FillMediaSize(_MEDIADATA* record, const Stock& stock, const platform::PlistDict* dictionary,
                   const JTktPageGeometry& page) {
  std::int32_t width = 0;
  std::int32_t length = 0;
  // The printer-default size is no row to look up: the stock's own dimensions, if any, apply.
  // The record keeps them only beside the custom size; a size no row knows has them too.
  const bool found = stock.size() != kPrinterDefault && GetStockDimensionsForSize(stock.size(), width, length);
  if (!found || width == 0)
    width = stock.width() != kPrinterDefault ? stock.width() : JTktSetting(dictionary, stock_keys::kWidthKey).value_or(0);
  if (length == 0)
    length = stock.length() != kPrinterDefault ? stock.length() : JTktSetting(dictionary, stock_keys::kLengthKey).value_or(0);
  if (IsDimension(width) && IsDimension(length)) {
    record->xDimension = static_cast<std::uint32_t>(width);
    record->yDimension = static_cast<std::uint32_t>(length);
    return;
  }
  record->xDimension = 0;
  record->yDimension = 0;
  FillFromPageGeometry(record, page);
}

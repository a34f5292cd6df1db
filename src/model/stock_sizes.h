#pragma once
// Between a stock size value and its dimensions, through the stock size table. Dimensions are
// in hundredths of a millimetre. Each lookup comes in two forms: over CompleteStockSizeMap, and
// over a given table of the same layout (which must end with a row of value 0).
#include <cstdint>

#include "vocabulary/setting_map.h"

// The size value of the first row, in table order, that the dimensions match exactly in either
// unit, or within 5 points in both directions; kPrinterDefault when none does. The printer-
// default row matches only (kPrinterDefault, kPrinterDefault) exactly.
std::int32_t GetSizeForStockDimensions(std::int32_t width, std::int32_t length);
std::int32_t GetSizeForStockDimensions(const PaperSizeSettingMap* table, std::int32_t width, std::int32_t length);

// True and the dimensions of the first row holding size; false and 0, 0 when no row does (the
// end row never matches, so size 0 is never found).
bool GetStockDimensionsForSize(std::int32_t size, std::int32_t& width, std::int32_t& length);
bool GetStockDimensionsForSize(const PaperSizeSettingMap* table, std::int32_t size, std::int32_t& width,
                               std::int32_t& length);

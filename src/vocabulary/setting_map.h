#pragma once
// Setting maps: static tables that tie a menu label (a localisation key) to the integer stored
// in the print-settings ticket, and the paper-size table with both unit columns. Tables are
// constant data; the operations over them live beside them in setting_map_operations.h.
#include <cstdint>

#include "vocabulary/printer_default.h"

// One row of a setting map. A map ends with a row whose labelKey is null and value 0.
// A row whose labelKey is "-" is a menu separator; a row with value 0 and a label is a
// catch-all that answers for every value searched past it.
struct SettingMap {
  const char* labelKey;              // localisation key of the menu label; null in the end row
  std::int32_t value;                // ticket value (kPrinterDefault for the printer-default row)
  std::uint32_t command = 0;         // four-character menu command, 0 for none
  const char* featureName = nullptr; // installable feature that must be in `requiredState`
  bool requiredState = true;
};

// One row of a paper-size table. The table ends with a row whose labelKey is null and value 0.
struct PaperSizeSettingMap {
  const char* labelKey;
  std::int32_t value;
  std::int32_t widthHmm;   // hundredths of a millimetre
  std::int32_t heightHmm;
  std::int32_t widthPt;    // PostScript points
  std::int32_t heightPt;
};

// The stock size table, every row of the paper library in menu order.
extern const PaperSizeSettingMap CompleteStockSizeMap[];

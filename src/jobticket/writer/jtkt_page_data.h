#pragma once
// The page record: what one exception page range carries (its pages, sides, darkness, image
// shift) and the colour fields that the job-level full colour shares with it. FillFullColorOptions
// fills the colour fields (jtkt_color.h); the exception writer fills the rest (jtkt_special_pages.h).
#include <cstdint>
#include <optional>
#include <string>

#include "vocabulary/printer_default.h"

// The colour fields. Integers hold kPrinterDefault while not set; names are UTF-8 as the
// dictionary holds them, absent while not set, and escaped when written.
struct JTktColorFields {
  std::int32_t lightness = kPrinterDefault;
  std::int32_t contrast = kPrinterDefault;
  std::int32_t saturation = kPrinterDefault;
  std::int32_t cyanRed = kPrinterDefault;
  std::int32_t magentaGreen = kPrinterDefault;
  std::int32_t yellowBlue = kPrinterDefault;
  std::int32_t trapping = kPrinterDefault;
  std::int32_t trapWidthFast = kPrinterDefault;
  std::int32_t trapWidthSlow = kPrinterDefault;
  std::int32_t blackOverprint = kPrinterDefault;
  std::optional<std::string> trcName;
  std::int32_t rgbImagesCode = kPrinterDefault;
  std::optional<std::string> rgbImagesName;
  std::int32_t rgbTextGraphicsCode = kPrinterDefault;
  std::optional<std::string> rgbTextGraphicsName;
  std::int32_t cmykImagesCode = kPrinterDefault;
  std::optional<std::string> cmykImagesName;
  std::int32_t cmykTextGraphicsCode = kPrinterDefault;
  std::optional<std::string> cmykTextGraphicsName;
  std::optional<std::string> grayImagesName;
  std::optional<std::string> grayTextGraphicsName;
  std::int32_t destinationCode = kPrinterDefault;
  std::optional<std::string> destinationName;
  std::int32_t imageRendering = kPrinterDefault;
  std::int32_t textRendering = kPrinterDefault;
  std::int32_t graphicsRendering = kPrinterDefault;
  std::int32_t antiAliasing = kPrinterDefault;
  std::int32_t halftone = kPrinterDefault;
  std::int32_t colorEffects = kPrinterDefault;
};

struct _PAGEDATA {
  std::int32_t documentsUpper = 1;
  std::int32_t documentsLower = 1;
  std::int32_t pagesUpper = 1;
  std::int32_t pagesLower = 1;
  bool hasLightenDarken = false;
  std::int32_t lightenDarken = 0;
  bool hasImageShift = false;
  std::int64_t xSide1 = 0, xSide2 = 0, ySide1 = 0, ySide2 = 0;  // hundredths of a millimetre
  std::int32_t sides = -1;  // 0 one-sided, 1 long edge, 2 short edge, -1 not set
  JTktColorFields color;
};

// Releases the record's colour names; a null record is ignored. (The record owns its strings,
// so this only empties them early.)
void FinalizePageData(_PAGEDATA* record);

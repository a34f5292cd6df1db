#include "watermark/font_preparation.h"

#include <iostream>

#include "platform/fonts/font_catalog.h"
#include "watermark/preference_locations.h"
#include "watermark/type42_font_file.h"
#include "watermark/watermark_file.h"
#include "watermark/watermark_file_access.h"
#include "watermark/watermark_fonts.h"

bool CanMakeFontSubsets() { return false; }

WatermarkResult convertFont(std::string_view watermarkName, std::string* subsetName, std::string* error) {
  if (subsetName) subsetName->clear();
  if (watermarkName.empty()) return WatermarkResult::kDone;
  WatermarkData record;
  if (WatermarkResult loaded = loadWatermarkData(kWatermarkFileName, watermarkName, &record, error);
      loaded != WatermarkResult::kDone)
    return loaded;
  if (record.textString.empty()) return WatermarkResult::kDone;
  auto font = platform::FindFontByPostScriptName(record.fontName);
  if (!font)
    return Answer(WatermarkResult::kFontUnusable, error, "no font can stand for \"" + record.fontName + "\"");
  std::string program, why;
  if (ConvertFontFileToType42(font->path, record.fontName, &program, &why, &std::cerr) != Type42Result::kDone)
    return Answer(WatermarkResult::kFontUnusable, error, why);
  return storeFontData(kWatermarkFileName, record.fontName, platform::PlistData(program.begin(), program.end()),
                       error);
}

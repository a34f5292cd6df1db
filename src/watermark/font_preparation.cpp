#include "watermark/font_preparation.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>

#include "kit/preference_locations.h"
#include "platform/fonts/font_catalog.h"
#include "platform/fonts/font_subset.h"
#include "watermark/type42_font_file.h"
#include "watermark/type42_names.h"
#include "watermark/watermark_file.h"
#include "watermark/watermark_file_access.h"
#include "watermark/watermark_fonts.h"

namespace {

WatermarkResult Store(const std::string& name, const std::string& program, std::string* error) {
  return storeFontData(kWatermarkFileName, name, platform::PlistData(program.begin(), program.end()), error);
}

// The subset program of the record's glyphs, or none when the font cannot be subset or converted
// (the caller then sends the whole font instead).
std::optional<std::string> SubsetProgram(const platform::FontFile& font, const WatermarkData& record,
                                         const std::string& subsetName) {
  std::string why;
  auto subset = platform::SubsetTrueTypeFont(font, record.glyphs, &why);
  if (!subset) {
    std::cerr << "DEBUG: no subset of " << record.fontName << ": " << why << "\n";
    return std::nullopt;
  }
  Type42GlyphEncoding encoding{};
  std::copy_n(record.glyphs.begin(), std::min(record.glyphs.size(), encoding.size()), encoding.begin());
  std::string program;
  if (convertTTFtoPS42(FontBytes(subset->data(), subset->size()), subsetName, encoding, &program, &std::cerr) !=
      Type42Result::kDone)
    return std::nullopt;
  return program;
}

}  // namespace

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

  if (!record.glyphs.empty()) {
    // The key is the program's own font name, so that the print path finds the font it names.
    const std::string name = PostScriptFontName("KV-" + record.fontName + "-KV");
    if (auto program = SubsetProgram(*font, record, name)) {
      const WatermarkResult stored = Store(name, *program, error);
      if (stored == WatermarkResult::kDone && subsetName) *subsetName = name;
      return stored;
    }
  }
  std::string program, why;
  if (ConvertFontFileToType42(font->path, record.fontName, &program, &why, &std::cerr) != Type42Result::kDone) {
    if (why.starts_with("ERROR: ")) why.erase(0, 7);  // the caller says it in a line of its own
    return Answer(WatermarkResult::kFontUnusable, error, why);
  }
  return Store(record.fontName, program, error);
}

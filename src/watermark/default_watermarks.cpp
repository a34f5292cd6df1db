#include "watermark/default_watermarks.h"

#include <set>

#include "kit/preference_locations.h"
#include "platform/bundle/bundle.h"
#include "watermark/watermark_dictionary.h"
#include "watermark/watermark_file_access.h"

using platform::PlistArray;
using platform::PlistDict;

WatermarkData DefaultWatermarkTemplate() {
  WatermarkData record;
  record.isText = true;
  record.angle = 45;
  record.density = 25;
  record.scale = 100;
  record.fontName = "ArialMT";
  record.fontSize = 72;
  record.fontColorRed = 0.75f;
  record.fontColorGreen = 0.75f;
  record.fontColorBlue = 1.0f;
  record.fontColorAlpha = 1.0f;
  record.wellColorRed = 0.0f;
  record.wellColorGreen = 0.0f;
  record.wellColorBlue = 1.0f;
  record.wellColorAlpha = 1.0f;
  return record;
}

std::array<WatermarkData, kDefaultWatermarks.size()> DefaultWatermarks(const platform::Bundle* bundle) {
  std::array<WatermarkData, kDefaultWatermarks.size()> records;
  for (std::size_t i = 0; i < kDefaultWatermarks.size(); ++i) {
    const DefaultWatermark& row = kDefaultWatermarks[i];
    records[i] = DefaultWatermarkTemplate();
    std::optional<std::string> text;
    if (bundle != nullptr) text = bundle->findLocalizedString(row.textKey);
    records[i].textString = text ? *text : row.fallbackText;
    records[i].xPos = row.xPos;
    records[i].yPos = row.yPos;
  }
  return records;
}

WatermarkResult CreateDefaultWatermarks(const platform::Bundle* bundle, std::string* error) {
  const auto records = DefaultWatermarks(bundle);
  // Every record is checked before the file is touched, so the first that cannot be stored is
  // reported and nothing is half-written.
  std::set<std::string> names;
  for (std::size_t i = 0; i < records.size(); ++i) {
    std::string why;
    WatermarkResult storable = CheckStorable(records[i], &why);
    if (storable == WatermarkResult::kDone && !names.insert(records[i].textString).second) {
      storable = WatermarkResult::kNameTaken;
      why = "its text \"" + records[i].textString + "\" is that of another default watermark";
    }
    if (storable != WatermarkResult::kDone)
      return Answer(storable, error,
                    std::string("default watermark ") + kDefaultWatermarks[i].textKey + " cannot be stored: " + why);
  }
  return ChangeWatermarkFile(
      kWatermarkFileName,
      [&](PlistDict& root, platform::PreferenceFileStatus, std::string* why) {
        PlistArray list;
        for (const WatermarkData& record : records) {
          if (WatermarkResult free = CheckNameFree(root, record.textString, false, why); free != WatermarkResult::kDone)
            return free;
          // A watermark of that name the file holds already is the user's, and stays as it is.
          if (!root.contains(record.textString)) root[record.textString] = WatermarkDataToDictionary(record);
          list.emplace_back(record.textString);
        }
        // The file's other watermarks (a file that lost its list) are listed after the defaults.
        for (const auto& [name, value] : root)
          if (value.asDictionary() != nullptr && !names.contains(name)) list.emplace_back(name);
        root[kWatermarkListKey] = std::move(list);
        return WatermarkResult::kDone;
      },
      error);
}

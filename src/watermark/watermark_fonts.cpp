#include "watermark/watermark_fonts.h"

#include "watermark/watermark_dictionary.h"
#include "watermark/watermark_file_access.h"

using platform::PlistDict;
using platform::PreferenceFileStatus;

std::string SubsetFontKey(std::string_view postScriptName) { return "KV-" + std::string(postScriptName) + "-KV"; }

WatermarkResult loadFontData(std::string_view fileName, std::string_view fontKey, platform::PlistData* data,
                             std::string* error) {
  PlistDict root;
  if (WatermarkResult read = ReadWatermarkFile(fileName, &root, error); read != WatermarkResult::kDone) return read;
  const platform::PlistValue* entry = platform::PlistDictFind(root, fontKey);
  if (entry == nullptr)
    return Answer(WatermarkResult::kNotFound, error, "there is no font program \"" + std::string(fontKey) + "\"");
  const platform::PlistData* program = entry->asData();
  if (program == nullptr)
    return Answer(WatermarkResult::kBadRecord, error,
                  "\"" + std::string(fontKey) + "\" is " + platform::PlistKindName(entry->kind()) + ", not a font program");
  data->insert(data->end(), program->begin(), program->end());
  return WatermarkResult::kDone;
}

WatermarkResult storeFontData(std::string_view fileName, std::string_view fontKey, const platform::PlistData& data,
                              std::string* error) {
  if (fontKey.empty()) return Answer(WatermarkResult::kNoName, error, "a font program needs a name");
  const std::string key(fontKey);
  return ChangeWatermarkFile(
      fileName,
      [&](PlistDict& root, PreferenceFileStatus found, std::string* why) {
        if (found == PreferenceFileStatus::kMissing)
          return Answer(WatermarkResult::kNoFile, why, "there is no such file, so the font program is not stored");
        if (found == PreferenceFileStatus::kKeptAside)
          return Answer(WatermarkResult::kFileUnreadable, why,
                        "the file was damaged and has been kept aside; the font program is not stored");
        const platform::PlistValue* entry = platform::PlistDictFind(root, key);
        if (key == kWatermarkListKey || (entry != nullptr && entry->asData() == nullptr))
          return Answer(WatermarkResult::kNameTaken, why, "\"" + key + "\" is the name of a watermark or of the list");
        root[key] = data;
        return WatermarkResult::kDone;
      },
      error);
}

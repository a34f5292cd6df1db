#include "watermark/watermark_file_access.h"

#include <cstdint>
#include <limits>

#include "kit/preference_locations.h"
#include "watermark/watermark_dictionary.h"

using platform::PreferenceFileStatus;

WatermarkResult ReadWatermarkFile(std::string_view fileName, platform::PlistDict* dictionary, std::string* error) {
  dictionary->clear();
  std::string why;
  auto path = SharedPreferenceFilePath(fileName, &why);
  if (!path) return Answer(WatermarkResult::kNoFolder, error, why);
  platform::PreferenceFileContents contents = platform::ReadPreferenceFile(*path);
  switch (contents.status) {
    case PreferenceFileStatus::kRead: *dictionary = std::move(contents.dictionary); return WatermarkResult::kDone;
    case PreferenceFileStatus::kMissing: return Answer(WatermarkResult::kNoFile, error, *path + ": there is no such file");
    // Once set aside (and said so), the damaged file is no longer there: as for a first use.
    case PreferenceFileStatus::kKeptAside: return Answer(WatermarkResult::kNoFile, error, contents.error);
    case PreferenceFileStatus::kDamaged:
    case PreferenceFileStatus::kUnreadable: break;
  }
  return Answer(WatermarkResult::kFileUnreadable, error, contents.error);
}

WatermarkResult ChangeWatermarkFile(std::string_view fileName, const WatermarkFileChange& change, std::string* error) {
  std::string why;
  auto path = CopyPreferenceFileURL(fileName, &why);
  if (!path) return Answer(WatermarkResult::kNoFolder, error, why);
  bool called = false;
  WatermarkResult outcome = WatermarkResult::kDone;
  std::string updateError;
  const bool updated = platform::UpdatePreferenceFile(
      *path,
      [&](platform::PlistDict& root, PreferenceFileStatus found) {
        called = true;
        outcome = change(root, found, &why);
        return outcome == WatermarkResult::kDone ? platform::PreferenceChange::kWrite : platform::PreferenceChange::kLeave;
      },
      &updateError);
  if (!called) return Answer(WatermarkResult::kFileUnreadable, error, updateError);
  if (outcome != WatermarkResult::kDone) return Answer(outcome, error, *path + ": " + why);
  if (!updated) return Answer(WatermarkResult::kWriteFailed, error, updateError);
  return WatermarkResult::kDone;
}

WatermarkResult CheckStorable(const WatermarkData& record, std::string* error) {
  if (WatermarkName(record).empty())
    return Answer(WatermarkResult::kNoName, error,
                  record.isText ? "the watermark has no text to be named by"
                                : "the picture watermark has no file name to be named by");
  if (const char* field = WatermarkFieldOverLimit(record))
    return Answer(WatermarkResult::kFieldTooLong, error,
                  "watermark \"" + WatermarkName(record) + "\": its " + field + " is over the field's limit");
  if (record.glyphs.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
    return Answer(WatermarkResult::kFieldTooLong, error,
                  "watermark \"" + WatermarkName(record) + "\": more glyphs than a count can say");
  return WatermarkResult::kDone;
}

WatermarkResult CheckNameFree(const platform::PlistDict& root, const std::string& name, bool mustBeFree,
                              std::string* why) {
  if (name == kWatermarkListKey)
    return Answer(WatermarkResult::kNameTaken, why, "\"" + name + "\" is the name of the watermark list itself");
  const platform::PlistValue* entry = platform::PlistDictFind(root, name);
  if (entry == nullptr) return WatermarkResult::kDone;
  if (entry->asDictionary() == nullptr)
    return Answer(WatermarkResult::kNameTaken, why,
                  "\"" + name + "\" is the name of " +
                      (entry->asData() != nullptr ? "a font program" : "an entry that is not a watermark"));
  if (mustBeFree) return Answer(WatermarkResult::kNameTaken, why, "a watermark named \"" + name + "\" exists already");
  return WatermarkResult::kDone;
}

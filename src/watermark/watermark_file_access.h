#pragma once
// The reading and locked changing of the watermark file that its operations share.
#include <functional>
#include <string>
#include <string_view>

#include "platform/preferences/preference_file.h"
#include "watermark/watermark_data.h"
#include "watermark/watermark_result.h"

// Reads the named file of the shared store. kDone and the root dictionary; kNoFile when there is
// no file, or none any more (a damaged file was kept aside); kNoFolder or kFileUnreadable with the
// reason.
WatermarkResult ReadWatermarkFile(std::string_view fileName, platform::PlistDict* dictionary, std::string* error);

// A change of the file's root dictionary: kDone to have it written, anything else to leave the
// file as it is and answer that result (with the reason in why).
using WatermarkFileChange =
    std::function<WatermarkResult(platform::PlistDict& root, platform::PreferenceFileStatus found, std::string* why)>;

// Runs change on the named file under its lock (UpdatePreferenceFile): kDone when it was written,
// the change's own result when it declined, kNoFolder, kFileUnreadable when the file could not
// be read (or locked), kWriteFailed when the write failed.
WatermarkResult ChangeWatermarkFile(std::string_view fileName, const WatermarkFileChange& change, std::string* error);

// kDone when the record can be stored: it has a name, its strings fit, its glyphs can be counted.
WatermarkResult CheckStorable(const WatermarkData& record, std::string* error);

// kDone when name may be given to a record in root: it is not the list's key and is not held by
// something that is not a watermark (a font program). With mustBeFree, any entry of that name
// makes it taken.
WatermarkResult CheckNameFree(const platform::PlistDict& root, const std::string& name, bool mustBeFree,
                              std::string* why);

// Sets message when the caller asked for one.
inline WatermarkResult Answer(WatermarkResult result, std::string* error, std::string message) {
  if (error) *error = std::move(message);
  return result;
}

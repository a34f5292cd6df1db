// The saved watermarks' names as the panel's menu lists them.
#include <cstdio>

#include "kit/preference_locations.h"
#include "panels/booklet_watermark/booklet_watermark_panel.h"
#include "platform/preferences/preference_file.h"
#include "watermark/watermark.h"

std::vector<std::string> LoadSavedWatermarkNames(const platform::Bundle* bundle, bool makeDefaults) {
  std::vector<std::string> names;
  std::string error;
  WatermarkResult result = loadUsableWatermarkList(kWatermarkFileName, &names, &error);
  // No file (a first use, or a damaged file just set aside) or a file without its list: the
  // defaults are made and the list read again, so that a job naming one still finds it.
  const bool listLost = result == WatermarkResult::kNotFound;
  if ((result == WatermarkResult::kNoFile || listLost) && makeDefaults &&
      CreateDefaultWatermarks(bundle, &error) == WatermarkResult::kDone) {
    if (listLost)
      platform::ReportPreferenceError(SharedPreferenceFilePath(kWatermarkFileName).value_or(kWatermarkFileName) +
                                      ": the file had no watermark list; the default watermarks are listed again, "
                                      "followed by those the file holds");
    result = loadUsableWatermarkList(kWatermarkFileName, &names, &error);
  }
  if (result == WatermarkResult::kNoFile || result == WatermarkResult::kNotFound) return {};
  if (result != WatermarkResult::kDone) {
    // A file that cannot be read was named when it was read: that line is not repeated.
    if (result == WatermarkResult::kFileUnreadable)
      platform::ReportPreferenceError(error);
    else
      std::fprintf(stderr, "ERROR: the saved watermarks cannot be listed: %s\n", error.c_str());
    return {};
  }
  return names;
}

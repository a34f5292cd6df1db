#include "kit/shared_preferences.h"

#include <cstdio>

#include "kit/preference_locations.h"

namespace {

platform::PreferenceFileContents Unavailable(std::string message) {
  platform::ReportPreferenceError(message);
  platform::PreferenceFileContents contents;
  contents.status = platform::PreferenceFileStatus::kUnreadable;
  contents.error = std::move(message);
  return contents;
}

}  // namespace

platform::PreferenceFileContents CopyXMLData(std::string_view fileName) {
  std::string error;
  auto path = SharedPreferenceFilePath(fileName, &error);
  if (!path) return Unavailable(error);
  const bool onlyRead = fileName == kSiteDefaultsFileName;
  return platform::ReadPreferenceFile(*path, onlyRead ? platform::DamagedPreferenceFile::kLeaveInPlace
                                                      : platform::DamagedPreferenceFile::kKeepAside);
}

platform::PreferenceFileContents CopySiteDefaults() { return CopyXMLData(kSiteDefaultsFileName); }

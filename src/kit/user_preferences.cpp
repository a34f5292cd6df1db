#include "kit/user_preferences.h"

#include <cstdio>

#include "kit/preference_locations.h"
#include "platform/files/folders.h"

namespace {

void Report(const std::string& message) { platform::ReportPreferenceError(message); }

// The file's path with its folder in place, or none with the reason reported.
std::optional<std::string> PathForWriting(std::string_view fileName, std::string* error) {
  std::string why;
  auto path = UserPreferenceFilePath(fileName, &why);
  if (path) {
    // A folder that cannot be used is one cause for every file: the same line, told once.
    if (auto fault = platform::PreferenceFolderFault(platform::UserPreferencesFolder(), true)) {
      why = *fault;
      path.reset();
    } else if (!platform::CreateFolderWithParents(platform::UserPreferencesFolder(), &why)) {
      why += "; no preference file is written there";
      path.reset();
    }
  } else {
    why = "cannot write the preferences file \"" + std::string(fileName) + "\": " + why;
  }
  if (!path) {
    platform::ReportFailedPreferenceWrite(why);
    if (error) *error = why;
  }
  return path;
}

}  // namespace

platform::PreferenceFileContents ReadUserPreferences(std::string_view fileName) {
  std::string error;
  auto path = UserPreferenceFilePath(fileName, &error);
  if (path) return platform::ReadPreferenceFile(*path);
  platform::PreferenceFileContents contents;
  contents.status = platform::PreferenceFileStatus::kUnreadable;
  contents.error = "cannot read the preferences file \"" + std::string(fileName) + "\": " + error;
  Report(contents.error);
  return contents;
}

std::optional<platform::PlistDict> CopyUserPreferences(std::string_view fileName) {
  if (!UserPreferenceFilePath(fileName)) return std::nullopt;
  return ReadUserPreferences(fileName).dictionary;
}

bool WriteUserPreferences(std::string_view fileName, const platform::PlistDict& dictionary, std::string* error) {
  auto path = PathForWriting(fileName, error);
  return path && platform::WritePreferenceFile(*path, dictionary, error);
}

bool UpdateUserPreferences(std::string_view fileName, const platform::PreferenceFileChange& change,
                           std::string* error) {
  auto path = PathForWriting(fileName, error);
  return path && platform::UpdatePreferenceFile(*path, change, error);
}

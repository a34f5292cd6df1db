#include "kit/preference_locations.h"

#include "platform/files/folders.h"

namespace {

bool IsPlainFileName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
         name.find('\0') == std::string_view::npos;
}

// The folders' functions answer a relative path when there is no home folder to be found; a file
// there would land wherever the printing application happens to run, so that counts as not found.
std::optional<std::string> Absolute(std::string folder, const char* what, std::string* error) {
  if (!folder.empty() && folder[0] == '/') return folder;
  if (error) *error = std::string("the ") + what + " folder cannot be found: there is no home folder";
  return std::nullopt;
}

std::optional<std::string> FileIn(const std::optional<std::string>& folder, std::string_view fileName,
                                  std::string* error) {
  if (!folder) return std::nullopt;
  if (!IsPlainFileName(fileName)) {
    if (error) *error = "\"" + std::string(fileName) + "\" is not a plain file name";
    return std::nullopt;
  }
  return *folder + "/" + std::string(fileName);
}

}  // namespace

std::optional<std::string> SharedPreferenceFolder(std::string* error) {
  auto support = Absolute(platform::LocalApplicationSupportFolder(), "application support", error);
  if (!support) return std::nullopt;
  std::string folder = *support + "/" + kSharedPreferenceFolderName;
  // The print path of other accounts reads the watermarks here too.
  if (!platform::CreateFolderWithParents(folder, error, platform::FolderAccess::kReadableByAll)) return std::nullopt;
  return folder;
}

std::optional<std::string> CopyPreferenceFileURL(std::string_view fileName, std::string* error) {
  // A bad name is refused before anything is created on its account.
  if (!IsPlainFileName(fileName)) return FileIn(std::string("/"), fileName, error);
  return FileIn(SharedPreferenceFolder(error), fileName, error);
}

std::optional<std::string> SharedPreferenceFilePath(std::string_view fileName, std::string* error) {
  auto support = Absolute(platform::LocalApplicationSupportFolder(), "application support", error);
  if (!support) return std::nullopt;
  return FileIn(*support + "/" + kSharedPreferenceFolderName, fileName, error);
}

std::optional<std::string> UserPreferenceFilePath(std::string_view fileName, std::string* error) {
  return FileIn(Absolute(platform::UserPreferencesFolder(), "preferences", error), fileName, error);
}

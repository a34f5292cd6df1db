#pragma once
// The folders where per-user files live, after the XDG base-directory rules: preferences in the
// configuration folder, shared application data in the data folder. An XDG variable that is
// unset, empty or not an absolute path is ignored, as those rules require.
#include <string>

namespace platform {

// $XDG_CONFIG_HOME, else <home>/.config.
std::string UserPreferencesFolder();
// $XDG_DATA_HOME, else <home>/.local/share.
std::string LocalApplicationSupportFolder();
// $HOME when it is absolute, else the home folder of the user's account; empty when neither
// can be had (the folders above then come out relative, under the current folder).
std::string HomeFolder();

// Who may look into a folder made by CreateFolderWithParents.
enum class FolderAccess {
  kPrivate,       // 0700
  kReadableByAll  // 0755: a store that the print path of other accounts reads
};

// Creates the folder and every missing parent (mode 0700 for the parents created, as the XDG rules
// ask for the folders they name; the folder itself as access says). True when the folder exists
// afterwards; otherwise false and error (when given) names the folder and the reason.
bool CreateFolderWithParents(const std::string& path, std::string* error = nullptr,
                             FolderAccess access = FolderAccess::kPrivate);

}  // namespace platform

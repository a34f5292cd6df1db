#include "platform/files/folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace platform {

namespace {

const char* AbsoluteEnvironmentPath(const char* variable) {
  const char* value = std::getenv(variable);
  return (value != nullptr && value[0] == '/') ? value : nullptr;
}

std::string AccountHomeFolder() {
  long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
      found->pw_dir == nullptr) {
    return {};
  }
  return found->pw_dir;
}

std::string XdgFolder(const char* variable, const char* underHome) {
  if (const char* value = AbsoluteEnvironmentPath(variable)) return value;
  return HomeFolder() + underHome;
}

}  // namespace

std::string HomeFolder() {
  if (const char* home = AbsoluteEnvironmentPath("HOME")) return home;
  return AccountHomeFolder();
}

std::string UserPreferencesFolder() { return XdgFolder("XDG_CONFIG_HOME", "/.config"); }

std::string LocalApplicationSupportFolder() { return XdgFolder("XDG_DATA_HOME", "/.local/share"); }

bool CreateFolderWithParents(const std::string& path, std::string* error, FolderAccess access) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (path.empty()) {
    if (error) *error = "cannot create a folder with an empty path";
    return false;
  }
  fs::path target(path);
  // Nearly always the folder is there already: one look settles it.
  if (fs::is_directory(target, ec)) return true;
  // Create from the outermost missing folder inwards so that each new one gets the private mode.
  std::vector<fs::path> missing;
  for (fs::path p = target; !p.empty() && !fs::exists(p, ec); p = p.parent_path()) {
    missing.push_back(p);
    if (p == p.parent_path()) break;
  }
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
    if (fs::create_directory(*it, ec)) {
      const bool shared = access == FolderAccess::kReadableByAll && *it == target;
      fs::permissions(*it, shared ? fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                        fs::perms::others_read | fs::perms::others_exec
                                  : fs::perms::owner_all,
                      ec);
      ec.clear();
    } else if (ec) {
      if (error) *error = "cannot create folder " + it->string() + ": " + ec.message();
      return false;
    }
  }
  if (!fs::is_directory(target, ec)) {
    if (error) *error = "cannot create folder " + path + ": a file of that name is in the way";
    return false;
  }
  return true;
}

}  // namespace platform

#include "platform/system/host_identity.h"

#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace platform {

namespace {

std::optional<std::string> AccountDatabaseUserName() {
  long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
      found->pw_name == nullptr || found->pw_name[0] == '\0') {
    return std::nullopt;
  }
  return std::string(found->pw_name);
}

ConsoleUserSource gConsoleUserSource = AccountDatabaseUserName;

}  // namespace

std::optional<std::string> ConsoleUserName() { return gConsoleUserSource(); }

ScopedConsoleUserSource::ScopedConsoleUserSource(ConsoleUserSource source) : previous_(gConsoleUserSource) {
  gConsoleUserSource = source != nullptr ? source : AccountDatabaseUserName;
}

ScopedConsoleUserSource::~ScopedConsoleUserSource() { gConsoleUserSource = previous_; }

std::optional<std::string> ComputerName() {
  // HOST_NAME_MAX is 64 on Linux; the extra room and the forced terminator cover a truncated
  // name, which POSIX leaves unterminated.
  char name[256] = {};
  if (::gethostname(name, sizeof name - 1) != 0 || name[0] == '\0') return std::nullopt;
  return std::string(name);
}

}  // namespace platform

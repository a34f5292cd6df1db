#include "platform/files/damaged_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace platform {

namespace {

constexpr int kMaxKeptPerSecond = 1000;

enum class Move { kDone, kTaken, kFailed };

// Renames without ever replacing what is at `to`. renameat2 does that in one step; file systems
// without it still refuse to link over an existing name, so a link and an unlink do the same.
Move RenameNoReplace(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return Move::kDone;
  if (errno == EEXIST) return Move::kTaken;
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return Move::kFailed;
  if (::link(from.c_str(), to.c_str()) != 0) return errno == EEXIST ? Move::kTaken : Move::kFailed;
  if (::unlink(from.c_str()) != 0) {
    const int saved = errno;
    ::unlink(to.c_str());  // the original is still in place; do not leave a second name for it
    errno = saved;
    return Move::kFailed;
  }
  return Move::kDone;
}

}  // namespace

std::string DamagedFileName(const std::string& path, std::time_t when, int sequence) {
  std::tm local{};
  ::localtime_r(&when, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  std::string name = path + ".damaged-" + stamp;
  if (sequence > 1) name += "-" + std::to_string(sequence);
  return name;
}

Result<std::string> KeepDamagedFileAside(const std::string& path) {
  const std::time_t now = std::time(nullptr);
  for (int sequence = 1; sequence <= kMaxKeptPerSecond; ++sequence) {
    std::string target = DamagedFileName(path, now, sequence);
    switch (RenameNoReplace(path, target)) {
      case Move::kDone: return Result<std::string>::ok(std::move(target));
      case Move::kTaken: continue;
      case Move::kFailed:
        return Result<std::string>::fail("cannot rename " + path + " to " + target + ": " + std::strerror(errno));
    }
  }
  return Result<std::string>::fail("cannot keep " + path + " aside: " + std::to_string(kMaxKeptPerSecond) +
                                   " damaged copies were kept this second already");
}

}  // namespace platform

#include "platform/preferences/preference_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>
#include <utility>

namespace platform {

namespace {

// Opens (creating when missing) the lock file. Not following a symbolic link keeps a planted link
// in a shared folder from making us create or lock some other file. flock() needs no write access,
// so a lock file made by another user with a narrower mode is opened for reading instead.
int OpenLockFile(const std::string& lockPath) {
  int fd;
  do {
    fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0 && errno == EACCES) {
    do {
      fd = ::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    } while (fd < 0 && errno == EINTR);
  }
  return fd;
}

}  // namespace

std::string PreferenceLockPath(const std::string& path) { return path + ".lock"; }

Result<PreferenceFileLock> PreferenceFileLock::acquire(const std::string& path, std::chrono::milliseconds wait) {
  using R = Result<PreferenceFileLock>;
  const std::string lockPath = PreferenceLockPath(path);
  const int fd = OpenLockFile(lockPath);
  if (fd < 0) return R::fail("cannot open the lock file " + lockPath + ": " + std::strerror(errno));
  PreferenceFileLock lock(fd);  // closes the descriptor on every way out below

  // Polling rather than a blocking flock() lets the wait end without signals; the pause grows so
  // that a long wait costs little, and stays short so that a busy file is taken up quickly.
  const auto deadline = std::chrono::steady_clock::now() + wait;
  auto pause = std::chrono::microseconds(500);
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return R::ok(std::move(lock));
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) return R::fail("cannot lock " + lockPath + ": " + std::strerror(errno));
    if (std::chrono::steady_clock::now() >= deadline)
      return R::fail("cannot lock " + lockPath + ": another writer has held it for more than " +
                     std::to_string(wait.count()) + " ms");
    std::this_thread::sleep_for(pause);
    pause = std::min(pause * 2, std::chrono::microseconds(20000));
  }
}

PreferenceFileLock::PreferenceFileLock(PreferenceFileLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

PreferenceFileLock& PreferenceFileLock::operator=(PreferenceFileLock&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

PreferenceFileLock::~PreferenceFileLock() {
  if (fd_ >= 0) ::close(fd_);  // releases the lock
}

}  // namespace platform

#include "platform/preferences/preference_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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

// True while the locked descriptor is still the file at lockPath: a holder removes the file
// before it lets go, so a writer that waited on a removed file must start again on the new one.
bool StillInPlace(int fd, const std::string& lockPath) {
  struct stat held {}, named {};
  return ::fstat(fd, &held) == 0 && ::lstat(lockPath.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
         held.st_ino == named.st_ino;
}

}  // namespace

std::string PreferenceLockPath(const std::string& path) { return path + ".lock"; }

Result<PreferenceFileLock> PreferenceFileLock::acquire(const std::string& path, std::chrono::milliseconds wait) {
  using R = Result<PreferenceFileLock>;
  const std::string lockPath = PreferenceLockPath(path);
  // Polling rather than a blocking flock() lets the wait end without signals; the pause grows so
  // that a long wait costs little, and stays short so that a busy file is taken up quickly.
  const auto deadline = std::chrono::steady_clock::now() + wait;
  auto pause = std::chrono::microseconds(500);
  for (;;) {
    const int fd = OpenLockFile(lockPath);
    if (fd < 0) return R::fail("cannot open the lock file " + lockPath + ": " + std::strerror(errno));
    PreferenceFileLock lock(fd, {});  // closes the descriptor on every way out below
    for (;;) {
      if (::flock(fd, LOCK_EX | LOCK_NB) == 0) break;
      if (errno == EINTR) continue;
      if (errno != EWOULDBLOCK) return R::fail("cannot lock " + lockPath + ": " + std::strerror(errno));
      if (std::chrono::steady_clock::now() >= deadline)
        return R::fail("cannot lock " + lockPath + ": another writer has held it for more than " +
                       std::to_string(wait.count()) + " ms");
      std::this_thread::sleep_for(pause);
      pause = std::min(pause * 2, std::chrono::microseconds(20000));
    }
    if (StillInPlace(fd, lockPath)) {
      lock.lockPath_ = lockPath;  // ours to remove once we let go, and only then
      return R::ok(std::move(lock));
    }
  }
}

PreferenceFileLock::PreferenceFileLock(PreferenceFileLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), lockPath_(std::move(other.lockPath_)) {
  other.lockPath_.clear();
}

PreferenceFileLock& PreferenceFileLock::operator=(PreferenceFileLock&& other) noexcept {
  if (this != &other) {
    release();
    fd_ = std::exchange(other.fd_, -1);
    lockPath_ = std::move(other.lockPath_);
    other.lockPath_.clear();
  }
  return *this;
}

PreferenceFileLock::~PreferenceFileLock() { release(); }

void PreferenceFileLock::release() {
  if (fd_ < 0) return;
  // Removed while still held, so that no one can lock this file and find it in place afterwards.
  // A file that cannot be removed (a folder we may not change) stays and is locked again next time.
  if (!lockPath_.empty() && StillInPlace(fd_, lockPath_)) ::unlink(lockPath_.c_str());
  ::close(fd_);  // releases the lock
  fd_ = -1;
}

}  // namespace platform

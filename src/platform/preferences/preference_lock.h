#pragma once
// An advisory lock beside a preference file, so that the writers of one file take turns, whether
// they are threads of one process or separate processes (several dialogs, several users).
//
// The lock is flock(2) on "<file>.lock" in the file's folder, held for the life of the object.
// Closing the descriptor releases it, so a writer that dies never leaves the file locked. The
// holder removes the lock file just before it lets go, so that none is left beside the file; a
// writer that was waiting on the removed file finds, once it has the lock, that the name no
// longer leads to it, and starts again on the file now there. Only the holder of the file at the
// name ever removes it, so two writers never both hold the lock. (The lock is not taken on the
// preference file itself: writers replace that by a rename, and a missing file has nothing to
// lock.)
//
// A lock taken in one thread must not be taken again by the same thread before it is released
// (the second acquire waits for the first and then gives up). A child made by fork() while the
// lock is held shares it; release it before forking.
#include <chrono>
#include <string>
#include <utility>

#include "platform/result.h"

namespace platform {

// How long a writer waits for another to finish before giving up with a message.
inline constexpr std::chrono::milliseconds kPreferenceLockWait{10000};

// "<path>.lock".
std::string PreferenceLockPath(const std::string& path);

class PreferenceFileLock {
 public:
  // Creates the lock file when it is missing and waits up to `wait` for the lock. A message naming
  // the lock file when it cannot be created or opened, or when another writer keeps it too long.
  static Result<PreferenceFileLock> acquire(const std::string& path,
                                            std::chrono::milliseconds wait = kPreferenceLockWait);

  PreferenceFileLock(PreferenceFileLock&& other) noexcept;
  PreferenceFileLock& operator=(PreferenceFileLock&& other) noexcept;
  PreferenceFileLock(const PreferenceFileLock&) = delete;
  PreferenceFileLock& operator=(const PreferenceFileLock&) = delete;
  ~PreferenceFileLock();

 private:
  PreferenceFileLock(int fd, std::string lockPath) : fd_(fd), lockPath_(std::move(lockPath)) {}
  void release();
  int fd_ = -1;
  std::string lockPath_;  // set once the lock is held: removed on release while still the file locked
};

}  // namespace platform

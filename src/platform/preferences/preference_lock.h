#pragma once
// An advisory lock beside a preference file, so that the writers of one file take turns, whether
// they are threads of one process or separate processes (several dialogs, several users).
//
// The lock is flock(2) on "<file>.lock" in the file's folder, held for the life of the object.
// Closing the descriptor releases it, so a writer that dies never leaves the file locked. The
// lock file is never removed: removing it while another writer waits on it would let the next
// writer lock a new file of the same name and so run beside the first.
//
// A lock taken in one thread must not be taken again by the same thread before it is released
// (the second acquire waits for the first and then gives up). A child made by fork() while the
// lock is held shares it; release it before forking.
#include <chrono>
#include <string>

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
  explicit PreferenceFileLock(int fd) : fd_(fd) {}
  int fd_ = -1;
};

}  // namespace platform

#pragma once
// Property-list files parsed lately, by path, with what identifies the content they were parsed
// from, so that a file read again unchanged need not be parsed again.
//
// The identity is what fstat says of the open file: device, inode, size, modification and change
// times. A writer that replaces the file by a rename gives it a new inode, and any other change to
// its content moves the change time, which no program can set back.
#include <sys/stat.h>

#include <map>
#include <mutex>
#include <string>

#include "platform/plist/plist_value.h"

namespace platform {

struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};
  timespec changed{};

  static FileIdentity Of(const struct stat& st) { return {st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim}; }
  bool operator==(const FileIdentity& other) const;
};

// Safe to share between threads. Holds at most a few dozen files: it is meant for the handful a
// dialog reads again and again, not as a general store.
class ParsedFileCache {
 public:
  // The dictionary parsed from the file at path when it had this identity.
  bool find(const std::string& path, const FileIdentity& identity, PlistDict* dictionary);
  void keep(const std::string& path, const FileIdentity& identity, const PlistDict& dictionary);
  void forget(const std::string& path);

 private:
  struct Parsed {
    FileIdentity identity;
    PlistDict dictionary;
  };
  static constexpr std::size_t kMaxFiles = 32;
  std::mutex mutex_;
  std::map<std::string, Parsed> files_;
};

}  // namespace platform

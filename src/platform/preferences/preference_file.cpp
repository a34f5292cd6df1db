#include "platform/preferences/preference_file.h"

#include <atomic>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <optional>
#include <set>
#include <utility>

#include "platform/files/damaged_file.h"
#include "platform/files/file_kind.h"
#include "platform/plist/xml_plist.h"
#include "platform/preferences/parsed_file_cache.h"
#include "platform/preferences/preference_file_locked.h"
#include "platform/preferences/preference_lock.h"

namespace platform {

namespace {

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// What is at the path, before anything is decided about it.
struct Finding {
  enum class Kind { kSound, kMissing, kDamaged, kUnreadable };
  Kind kind = Kind::kMissing;
  PlistDict dictionary;
  std::string reason;  // for kDamaged and kUnreadable, without the path
  std::string folderFault;  // what is wrong with the file's folder, when that is the cause
};

Finding Unreadable(std::string reason) { return {Finding::Kind::kUnreadable, {}, std::move(reason), {}}; }
Finding Damaged(std::string reason) { return {Finding::Kind::kDamaged, {}, std::move(reason), {}}; }

std::string WithArticle(const char* noun) {
  const bool vowel = std::strchr("aeiou", noun[0]) != nullptr;
  return std::string(vowel ? "an " : "a ") + noun;
}

// A dialog's Initialize reads the same few files each time a printer is picked, and they rarely
// change: a sound one is kept, and answered again while it is the same file.
ParsedFileCache& SoundFiles() {
  static ParsedFileCache cache;
  return cache;
}

std::atomic<unsigned> gParses{0};

Finding Examine(const std::string& path) {
  // O_NONBLOCK keeps a FIFO planted at the path from stalling us; it changes nothing for a file.
  int fd;
  do {
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    if (errno == ENOENT) return {};
    const std::string reason = std::string("cannot be opened: ") + std::strerror(errno);
    if (auto fault = PreferenceFolderFault(PreferenceFolderOf(path), false))
      return {Finding::Kind::kUnreadable, {}, reason, *fault};
    return Unreadable(reason);
  }
  Descriptor file(fd);
  struct stat st {};
  if (::fstat(fd, &st) != 0) return Unreadable(std::string("cannot be examined: ") + std::strerror(errno));
  if (!S_ISREG(st.st_mode)) return Unreadable("is not a regular file");
  // No preference file comes near the cap; a larger one is left alone rather than read into memory.
  const std::string tooLarge = "is larger than " + DescribeSize(kMaxPropertyListFileBytes);
  if (static_cast<std::uintmax_t>(st.st_size) > kMaxPropertyListFileBytes) return Unreadable(tooLarge);
  const FileIdentity identity = FileIdentity::Of(st);
  if (Finding cached{Finding::Kind::kSound, {}, {}, {}}; SoundFiles().find(path, identity, &cached.dictionary))
    return cached;
  SoundFiles().forget(path);

  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      return Unreadable(std::string("cannot be read: ") + std::strerror(errno));
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
    if (bytes.size() > kMaxPropertyListFileBytes) return Unreadable(tooLarge);
  }

  ++gParses;
  auto value = ReadXMLPlist(bytes);
  if (!value) return Damaged("not a readable property list (" + value.error() + ")");
  PlistDict* dictionary = value->asDictionary();
  if (dictionary == nullptr)
    return Damaged("the root is " + WithArticle(PlistKindName(value->kind())) + ", not a dictionary");
  // Bytes read after a change that kept the size would be caught by the change time; a file
  // growing while it is read is read again next time.
  if (static_cast<off_t>(bytes.size()) == st.st_size) SoundFiles().keep(path, identity, *dictionary);
  return {Finding::Kind::kSound, std::move(*dictionary), {}, {}};
}

void Report(const std::string& message) { ReportPreferenceError(message); }

PreferenceFileContents Refused(PreferenceFileStatus status, std::string message) {
  Report(message);
  PreferenceFileContents contents;
  contents.status = status;
  contents.error = std::move(message);
  return contents;
}

PreferenceFileContents Settled(Finding found) {
  PreferenceFileContents contents;
  contents.status = found.kind == Finding::Kind::kSound ? PreferenceFileStatus::kRead : PreferenceFileStatus::kMissing;
  contents.dictionary = std::move(found.dictionary);
  return contents;
}

PreferenceFileContents UnreadableFile(const std::string& path, const Finding& found) {
  // One cause for every file of the folder: told once, in the same words for each.
  if (!found.folderFault.empty()) return Refused(PreferenceFileStatus::kUnreadable, found.folderFault);
  return Refused(PreferenceFileStatus::kUnreadable,
                 path + ": " + found.reason + "; it is left as it is and will not be written over");
}

PreferenceFileContents DamagedBeyondKeeping(const std::string& path, const Finding& found, const std::string& why) {
  return Refused(PreferenceFileStatus::kDamaged, path + ": " + found.reason + "; it could not be kept aside (" + why +
                                                     "), so it is left as it is and will not be written over");
}

}  // namespace

// Called with the file's lock held, so that no writer can put a sound file in place between the
// look and the rename.
PreferenceFileContents ReadPreferenceFileLocked(const std::string& path) {
  Finding found = Examine(path);
  switch (found.kind) {
    case Finding::Kind::kSound:
    case Finding::Kind::kMissing: return Settled(std::move(found));
    case Finding::Kind::kUnreadable: return UnreadableFile(path, found);
    case Finding::Kind::kDamaged: break;
  }
  auto kept = KeepDamagedFileAside(path);
  if (!kept) return DamagedBeyondKeeping(path, found, kept.error());
  PreferenceFileContents contents =
      Refused(PreferenceFileStatus::kKeptAside, path + ": " + found.reason + "; kept as " + *kept);
  contents.keptAs = kept.take();
  return contents;
}

const char* PreferenceFileStatusName(PreferenceFileStatus status) {
  switch (status) {
    case PreferenceFileStatus::kRead: return "read";
    case PreferenceFileStatus::kMissing: return "missing";
    case PreferenceFileStatus::kKeptAside: return "kept aside";
    case PreferenceFileStatus::kDamaged: return "damaged";
    case PreferenceFileStatus::kUnreadable: return "unreadable";
  }
  return "unknown";
}

PreferenceFileContents ReadPreferenceFile(const std::string& path, DamagedPreferenceFile damaged) {
  if (PreferenceFileContents staged; StagedPreferenceRead(path, &staged)) return staged;
  // Writers replace the file by a rename, so a read needs no lock unless it has to move a file.
  Finding found = Examine(path);
  switch (found.kind) {
    case Finding::Kind::kSound:
    case Finding::Kind::kMissing: return Settled(std::move(found));
    case Finding::Kind::kUnreadable: return UnreadableFile(path, found);
    case Finding::Kind::kDamaged: break;
  }
  if (damaged == DamagedPreferenceFile::kLeaveInPlace)
    return Refused(PreferenceFileStatus::kDamaged, path + ": " + found.reason + "; it is left as it is");
  auto lock = PreferenceFileLock::acquire(path);
  if (!lock) return DamagedBeyondKeeping(path, found, lock.error());
  return ReadPreferenceFileLocked(path);  // looks again: another writer may have dealt with the file meanwhile
}

namespace {
std::atomic<unsigned> gFailedWrites{0};
}  // namespace

std::string PreferenceFolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string LockRefusal(const std::string& path, const std::string& lockError) {
  if (auto fault = PreferenceFolderFault(PreferenceFolderOf(path), true)) return *fault;
  return path + ": " + lockError + "; the file is not written";
}

std::optional<std::string> PreferenceFolderFault(const std::string& folder, bool forWriting) {
  struct stat st {};
  std::string why;
  if (::stat(folder.c_str(), &st) != 0) {
    if (errno == ENOENT) return std::nullopt;  // made when first written
    why = std::strerror(errno);
  } else if (!S_ISDIR(st.st_mode)) {
    why = "it is not a folder";
  } else if (::access(folder.c_str(), (forWriting ? W_OK : R_OK) | X_OK) != 0) {
    why = std::strerror(errno);
  } else {
    return std::nullopt;
  }
  return folder + ": the folder cannot be used (" + why + "); no preference file in it is read or written";
}

bool ReportPreferenceError(const std::string& message) {
  static std::mutex lock;
  static std::set<std::string> reported;
  {
    const std::lock_guard<std::mutex> held(lock);
    if (!reported.insert(message).second) return false;
  }
  const std::string line = "ERROR: " + message + "\n";
  std::fputs(line.c_str(), stderr);  // one call, so that lines of two threads do not mix
  return true;
}

unsigned PreferenceWritesFailed() { return gFailedWrites.load(); }

unsigned PreferenceFilesParsed() { return gParses.load(); }

void FailPreferenceWrite(const std::string& message, bool reported) {
  ++gFailedWrites;
  if (!reported) Report(message);
}

void ReportFailedPreferenceWrite(const std::string& message) { FailPreferenceWrite(message, false); }

bool UpdatePreferenceFile(const std::string& path, const PreferenceFileChange& change, std::string* error) {
  auto fail = [&](std::string message, bool reported) {
    FailPreferenceWrite(message, reported);
    if (error) *error = std::move(message);
    return false;
  };
  if (StagedUpdate staged; StagePreferenceUpdate(path, change, &staged))
    return staged.done || fail(std::move(staged.error), staged.reported);
  auto lock = PreferenceFileLock::acquire(path);
  if (!lock) return fail(LockRefusal(path, lock.error()), false);

  PreferenceFileContents contents = ReadPreferenceFileLocked(path);
  if (!contents.mayBeWritten()) return fail(contents.error, true);
  if (change(contents.dictionary, contents.status) == PreferenceChange::kLeave) return true;

  std::string writeError;
  if (!WriteXMLPlistFile(path, PlistValue(std::move(contents.dictionary)), &writeError))
    return fail(writeError + "; the file is left as it was", false);
  return true;
}

bool WritePreferenceFile(const std::string& path, const PlistDict& dictionary, std::string* error) {
  return UpdatePreferenceFile(
      path,
      [&dictionary](PlistDict& current, PreferenceFileStatus) {
        current = dictionary;
        return PreferenceChange::kWrite;
      },
      error);
}

}  // namespace platform

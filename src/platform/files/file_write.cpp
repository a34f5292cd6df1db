// How an output reaches its path: replaced whole where it is a file, written as a stream where it
// is one, refused where it is neither.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>

#include "platform/files/file_io.h"
#include "platform/files/file_kind.h"

namespace platform {

namespace {

std::string Reason(const std::string& path, const char* what) {
  return std::string(what) + " " + path + ": " + std::strerror(errno);
}

bool Fail(std::string* error, std::string message) {
  if (error) *error = std::move(message);
  return false;
}

// Writes every byte to fd; false with errno set.
bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Where a path that does not exist yet will be made: its symbolic links followed, even dangling.
std::string FollowDanglingLinks(std::string path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char target[PATH_MAX];
    const ssize_t n = ::readlink(path.c_str(), target, sizeof target - 1);
    if (n <= 0) return path;
    const std::string next(target, static_cast<std::size_t>(n));
    path = next.front() == '/' ? next : FolderOf(path) + "/" + next;
  }
  return path;
}

// "<name>.tmp.<pid>.<random>": the writer's process id tells a later writer whether it still runs.
constexpr const char* kTemporaryInfix = ".tmp.";

// Removes the temporaries of name in folder whose writer has died (killed while writing).
void RemoveStaleTemporaries(const std::string& folder, const std::string& name) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  const std::string prefix = name + kTemporaryInfix;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view entryName(entry->d_name);
    if (!entryName.starts_with(prefix)) continue;
    const std::string rest(entryName.substr(prefix.size()));
    char* end = nullptr;
    const long pid = std::strtol(rest.c_str(), &end, 10);
    if (pid <= 0 || end == rest.c_str() || *end != '.') continue;  // not one of ours
    if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;  // its writer still runs
    ::unlink((folder + "/" + std::string(entryName)).c_str());
  }
  ::closedir(dir);
}

// A new temporary beside target, made with 0666 less the umask; -1 with errno set.
int CreateTemporary(const std::string& target, std::string* name) {
  static thread_local std::mt19937 random{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    *name = target + kTemporaryInfix + std::to_string(::getpid()) + "." + std::to_string(random() % 1000000);
    const int fd = ::open(name->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The bytes into a temporary file, renamed over target; mode kept when the file existed.
bool ReplaceWhole(const std::string& target, std::string_view bytes, std::optional<mode_t> mode, std::string* error) {
  RemoveStaleTemporaries(FolderOf(target), NameOf(target));
  std::string temporary;
  const int fd = CreateTemporary(target, &temporary);
  if (fd < 0) return Fail(error, Reason(target, "cannot create a temporary file for"));
  auto fail = [&](const char* what) {
    std::string message = Reason(target, what);
    ::close(fd);
    ::unlink(temporary.c_str());
    return Fail(error, std::move(message));
  };
  if (!WriteAll(fd, bytes)) return fail("cannot write");
  if (mode && ::fchmod(fd, *mode) != 0) return fail("cannot set the mode of");
  if (::fsync(fd) != 0) return fail("cannot flush");
  if (::close(fd) != 0) {
    std::string message = Reason(target, "cannot close");
    ::unlink(temporary.c_str());
    return Fail(error, std::move(message));
  }
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    std::string message = Reason(target, "cannot replace");
    ::unlink(temporary.c_str());
    return Fail(error, std::move(message));
  }
  return true;
}

// A file with other names: rewritten where it stands, so that every name sees the new bytes.
bool RewriteInPlace(const std::string& path, std::string_view bytes, std::string* error) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return Fail(error, Reason(path, "cannot open"));
  const bool written = WriteAll(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
  std::string message = written ? "" : Reason(path, "cannot write");
  if (::close(fd) != 0 && written) message = Reason(path, "cannot close");
  return message.empty() || Fail(error, std::move(message));
}

// A terminal, a device or a pipe: the bytes go in as a stream.
bool WriteToStream(int fd, const std::string& name, std::string_view bytes, std::string* error) {
  return WriteAll(fd, bytes) || Fail(error, Reason(name, "cannot write"));
}

bool WriteToStream(const std::string& path, std::string_view bytes, std::string* error) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return Fail(error, Reason(path, "cannot open"));
  const bool written = WriteToStream(fd, path, bytes, error);
  ::close(fd);
  return written;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
  if (path.empty()) return Fail(error, "no file name was given");
  if (path == "-") return WriteToStream(STDOUT_FILENO, "standard output", bytes, error);
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    if (errno != ENOENT) return Fail(error, Reason(path, "cannot examine"));
    return ReplaceWhole(FollowDanglingLinks(path), bytes, std::nullopt, error);
  }
  if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode)) return WriteToStream(path, bytes, error);
  if (!S_ISREG(st.st_mode))
    return Fail(error, "cannot replace " + path + ": it " + DescribeFileKind(st.st_mode) + ", not a file");
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return Fail(error, Reason(path, "cannot resolve"));
  const std::string target(resolved);
  if (::access(target.c_str(), W_OK) != 0) return Fail(error, Reason(target, "cannot write"));
  if (st.st_nlink > 1) return RewriteInPlace(target, bytes, error);
  return ReplaceWhole(target, bytes, st.st_mode & 07777, error);
}

}  // namespace platform

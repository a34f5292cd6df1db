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
#include "platform/files/output_file.h"

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

}  // namespace

OutputFile::~OutputFile() {
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

bool OutputFile::open(const std::string& path, std::string* error) {
  name_ = path;
  if (path.empty()) return Fail(error, "no file name was given");
  if (path == "-") {
    name_ = "standard output";
    way_ = Way::kStream;
    return true;
  }
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    if (errno != ENOENT) return Fail(error, Reason(path, "cannot examine"));
    target_ = FollowDanglingLinks(path);
  } else if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode)) {
    fd_ = UniqueFd(::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
    if (!fd_) return Fail(error, Reason(path, "cannot open"));
    way_ = Way::kStream;
    return true;
  } else if (!S_ISREG(st.st_mode)) {
    return Fail(error, "cannot replace " + path + ": it " + DescribeFileKind(st.st_mode) + ", not a file");
  } else {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) return Fail(error, Reason(path, "cannot resolve"));
    target_ = resolved;
    if (::access(target_.c_str(), W_OK) != 0) return Fail(error, Reason(target_, "cannot write"));
    if (st.st_nlink > 1) {  // every other name must keep seeing the file
      fd_ = UniqueFd(::open(target_.c_str(), O_WRONLY | O_CLOEXEC));
      if (!fd_) return Fail(error, Reason(target_, "cannot open"));
      name_ = target_;
      way_ = Way::kInPlace;
      return true;
    }
    mode_ = st.st_mode & 07777;
  }
  RemoveStaleTemporaries(FolderOf(target_), NameOf(target_));
  fd_ = UniqueFd(CreateTemporary(target_, &temporary_));
  if (!fd_) {
    std::string message = Reason(target_, "cannot create a temporary file for");
    temporary_.clear();
    return Fail(error, std::move(message));
  }
  name_ = target_;
  way_ = Way::kReplace;
  return true;
}

bool OutputFile::write(std::string_view bytes, std::string* error) {
  if (way_ == Way::kNone) return Fail(error, "cannot write " + name_ + ": it was not opened");
  if (!WriteAll(fd_ ? fd_.get() : STDOUT_FILENO, bytes)) return Fail(error, Reason(name_, "cannot write"));
  written_ += bytes.size();
  return true;
}

bool OutputFile::commit(std::string* error) {
  switch (way_) {
    case Way::kNone:
      return Fail(error, "cannot write " + name_ + ": it was not opened");
    case Way::kStream:
      return true;
    case Way::kInPlace:
      if (::ftruncate(fd_.get(), static_cast<off_t>(written_)) != 0 || ::fsync(fd_.get()) != 0)
        return Fail(error, Reason(name_, "cannot write"));
      break;
    case Way::kReplace:
      if (mode_ && ::fchmod(fd_.get(), static_cast<mode_t>(*mode_)) != 0)
        return Fail(error, Reason(name_, "cannot set the mode of"));
      if (::fsync(fd_.get()) != 0) return Fail(error, Reason(name_, "cannot flush"));
      break;
  }
  if (::close(fd_.release()) != 0) return Fail(error, Reason(name_, "cannot close"));
  if (way_ == Way::kReplace) {
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) return Fail(error, Reason(name_, "cannot replace"));
    temporary_.clear();
  }
  way_ = Way::kNone;
  return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
  OutputFile output;
  return output.open(path, error) && output.write(bytes, error) && output.commit(error);
}

}  // namespace platform

#include "platform/files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace platform {

namespace {

std::string Reason(const std::string& path, const char* what) {
  return std::string(what) + " " + path + ": " + std::strerror(errno);
}

}  // namespace

Result<std::string> ReadFileBytes(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return Result<std::string>::fail(Reason(path, "cannot open"));
  std::string bytes;
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      std::string message = Reason(path, "cannot read");
      ::close(fd);
      return Result<std::string>::fail(message);
    }
    bytes.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return Result<std::string>::ok(std::move(bytes));
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
  std::string pattern = path + ".tmp.XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  int fd = ::mkstemp(name.data());
  if (fd < 0) {
    if (error) *error = Reason(path, "cannot create a temporary file for");
    return false;
  }
  auto fail = [&](const char* what) {
    if (error) *error = Reason(path, what);
    ::close(fd);
    ::unlink(name.data());
    return false;
  };
  const char* p = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail("cannot write");
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
  // Keep the mode of the file being replaced, else the usual mode of a new file.
  struct stat st {};
  mode_t mode = (::stat(path.c_str(), &st) == 0) ? (st.st_mode & 07777) : 0644;
  if (::fchmod(fd, mode) != 0) return fail("cannot set the mode of");
  if (::fsync(fd) != 0) return fail("cannot flush");
  if (::close(fd) != 0) {
    if (error) *error = Reason(path, "cannot close");
    ::unlink(name.data());
    return false;
  }
  if (::rename(name.data(), path.c_str()) != 0) {
    if (error) *error = Reason(path, "cannot replace");
    ::unlink(name.data());
    return false;
  }
  return true;
}

}  // namespace platform

#include "platform/files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/files/file_kind.h"

namespace platform {

namespace {

std::string Reason(const std::string& path, const char* what) {
  return std::string(what) + " " + path + ": " + std::strerror(errno);
}

// Opens path for reading without blocking and checks what it is; the message when it is not a
// regular file of at most maxBytes.
std::optional<std::string> OpenInput(const std::string& path, std::size_t maxBytes, FileDescriptor& file,
                                     std::size_t* size = nullptr) {
  file.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (file.fd < 0) return Reason(path, "cannot open");
  struct stat st {};
  if (::fstat(file.fd, &st) != 0) return Reason(path, "cannot examine");
  if (!S_ISREG(st.st_mode)) return path + " " + DescribeFileKind(st.st_mode) + ", not a file";
  if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) return path + " is larger than " + DescribeSize(maxBytes);
  if (size != nullptr) *size = static_cast<std::size_t>(st.st_size);
  // O_NONBLOCK may stay: it changes nothing for reads of a regular file, which never wait.
  return std::nullopt;
}

}  // namespace

FileDescriptor::~FileDescriptor() {
  if (fd >= 0) ::close(fd);
}

std::optional<std::string> CheckInputFile(const std::string& path, std::size_t maxBytes) {
  FileDescriptor file;
  return OpenInput(path, maxBytes, file);
}

std::optional<std::string> OpenInputFile(const std::string& path, FileDescriptor& file, std::size_t maxBytes) {
  return OpenInput(path, maxBytes, file);
}

Result<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes) {
  FileDescriptor file;
  std::size_t size = 0;
  if (std::optional<std::string> refused = OpenInput(path, maxBytes, file, &size))
    return Result<std::string>::fail(*refused);
  std::string bytes;
  bytes.reserve(size);  // the size it had when opened: the file grows the string only if it grew
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(file.fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      return Result<std::string>::fail(Reason(path, "cannot read"));
    }
    bytes.append(buffer, static_cast<size_t>(n));
    // A file that grows while it is read (or a /proc file that claims no size) is still capped.
    if (bytes.size() > maxBytes) return Result<std::string>::fail(path + " is larger than " + DescribeSize(maxBytes));
  }
  return Result<std::string>::ok(std::move(bytes));
}

}  // namespace platform

namespace platform {

std::optional<std::string> CheckDocumentSize(std::size_t bytes) {
  if (bytes <= kMaxDocumentFileBytes) return std::nullopt;
  return "would be larger than " + DescribeSize(kMaxDocumentFileBytes) + ", more than any command reads back";
}

}  // namespace platform

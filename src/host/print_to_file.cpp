// Print to File: the finished PDF as it is, and its job ticket beside it.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>

#include "host/print_dialog_job.h"
#include "platform/files/file_io.h"
#include "platform/files/file_kind.h"
#include "platform/files/unique_fd.h"

namespace korvo_host {

namespace {

using R = platform::Result<platform::OSStatus>;

// A file being written beside its final name: removed unless it was renamed there.
class PendingFile {
 public:
  // Creates the file beside target, mode 0666 less the umask (target's own mode when it exists).
  static std::optional<std::string> create(const std::string& target, PendingFile* pending) {
    const std::filesystem::path path(target);
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
      const std::string name = (path.parent_path() / ("." + path.filename().string() + "." +
                                                      std::to_string(random() % 1000000) + ".part"))
                                   .string();
      platform::UniqueFd fd(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
      if (fd) {
        pending->path_ = name;
        pending->fd_ = std::move(fd);
        struct stat existing {};
        if (::stat(target.c_str(), &existing) == 0) ::fchmod(pending->fd_.get(), existing.st_mode & 07777);
        return std::nullopt;
      }
      if (errno != EEXIST) return "cannot write " + target + ": " + std::strerror(errno);
    }
    return "cannot write " + target + ": no free temporary name";
  }
  PendingFile() = default;
  ~PendingFile() {
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  const std::string& path() const { return path_; }
  int fd() const { return fd_.get(); }
  // Flushed and closed, then renamed over target.
  std::optional<std::string> commit(const std::string& target) {
    if (fd_ && ::fsync(fd_.get()) != 0) return "cannot write " + target + ": " + std::strerror(errno);
    fd_ = platform::UniqueFd();
    if (::rename(path_.c_str(), target.c_str()) != 0) return "cannot write " + target + ": " + std::strerror(errno);
    path_.clear();
    return std::nullopt;
  }
  void closeFile() { fd_ = platform::UniqueFd(); }

 private:
  std::string path_;
  platform::UniqueFd fd_;
};

// GTK writes the PDF's bytes whatever the name says; a PostScript or SVG name would lie.
bool NamesOtherFormat(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".ps" || extension == ".eps" || extension == ".svg";
}

// Where the bytes for name go: name itself, or the file a symbolic link leads to; none, with the
// reason, when name is a folder or a special file.
std::optional<std::string> OutputTarget(const std::string& name, std::string* target) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(name, error);
  if (status.type() == std::filesystem::file_type::not_found) {
    *target = std::filesystem::is_symlink(name, error) ? std::filesystem::weakly_canonical(name, error).string() : name;
    return std::nullopt;
  }
  struct stat info {};
  if (::stat(name.c_str(), &info) != 0) return name + ": " + std::strerror(errno);
  if (!S_ISREG(info.st_mode)) return name + " " + platform::DescribeFileKind(info.st_mode) + ", not a file to print to";
  *target = std::filesystem::is_symlink(name, error) ? std::filesystem::canonical(name, error).string() : name;
  return std::nullopt;
}

std::optional<std::string> CopyBytes(int from, int to, const std::string& documentPath, const std::string& target) {
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(from, buffer, sizeof buffer);
    if (n == 0) return std::nullopt;
    if (n < 0) {
      if (errno == EINTR) continue;
      return "cannot read " + documentPath + ": " + std::strerror(errno);
    }
    for (ssize_t done = 0; done < n;) {
      const ssize_t written = ::write(to, buffer + done, static_cast<size_t>(n - done));
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return "cannot write " + target + ": " + std::strerror(errno);
      done += written;
    }
  }
}

}  // namespace

R PrintToFile(PrintDialog& pde, const std::string& documentPath, const std::string& outputPath) {
  if (outputPath.empty()) return R::fail("Print to File was given no file name");
  if (NamesOtherFormat(outputPath))
    return R::fail(outputPath + ": Print to File writes the document as the PDF it is, not PostScript or SVG; "
                   "choose a name ending in .pdf");
  std::string pdfTarget, ticketTarget;
  if (auto refused = OutputTarget(outputPath, &pdfTarget)) return R::fail(*refused);
  if (auto refused = OutputTarget(outputPath + ".xml", &ticketTarget)) return R::fail(*refused);
  platform::FileDescriptor document;
  if (auto refused = platform::OpenInputFile(documentPath, document)) return R::fail(*refused);

  PendingFile pdf, ticket;
  if (auto failed = PendingFile::create(pdfTarget, &pdf)) return R::fail(*failed);
  if (auto failed = CopyBytes(document.fd, pdf.fd(), documentPath, outputPath)) return R::fail(*failed);
  if (auto failed = PendingFile::create(ticketTarget, &ticket)) return R::fail(*failed);
  ticket.closeFile();
  // The module's own export, as `korvo-pde export` runs it, so the bytes are the same.
  const R exported = pde.exportJobTicket(ticket.path());
  if (!exported || *exported != platform::noErr) return exported;
  if (auto failed = ticket.commit(ticketTarget)) return R::fail(*failed);
  if (auto failed = pdf.commit(pdfTarget)) return R::fail(*failed);
  return R::ok(platform::noErr);
}

}  // namespace korvo_host

// Print to File: the finished PDF as it is, and its job ticket beside it.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string_view>

#include "host/print_dialog_job.h"
#include "platform/files/file_io.h"
#include "platform/files/file_kind.h"
#include "platform/files/output_file.h"
#include "platform/files/private_temporary_file.h"

namespace korvo_host {

namespace {

using R = platform::Result<platform::OSStatus>;

// GTK writes the PDF's bytes whatever the name says; a PostScript or SVG name would lie.
bool NamesOtherFormat(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".ps" || extension == ".eps" || extension == ".svg";
}

// None when name may be printed to: a file or a name not taken yet (a symbolic link is followed
// by the writer); else why not, when name is a folder or a special file.
std::optional<std::string> RefusedTarget(const std::string& name) {
  struct stat info {};
  if (::stat(name.c_str(), &info) != 0) return std::nullopt;
  if (!S_ISREG(info.st_mode)) return name + " " + platform::DescribeFileKind(info.st_mode) + ", not a file to print to";
  return std::nullopt;
}

std::optional<std::string> CopyBytes(int from, platform::OutputFile& to, const std::string& documentPath) {
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(from, buffer, sizeof buffer);
    if (n == 0) return std::nullopt;
    if (n < 0) {
      if (errno == EINTR) continue;
      return "cannot read " + documentPath + ": " + std::strerror(errno);
    }
    std::string failed;
    if (!to.write(std::string_view(buffer, static_cast<size_t>(n)), &failed)) return failed;
  }
}

}  // namespace

R PrintToFile(PrintDialog& pde, const std::string& documentPath, const std::string& outputPath) {
  if (outputPath.empty()) return R::fail("Print to File was given no file name");
  if (NamesOtherFormat(outputPath))
    return R::fail(outputPath + ": Print to File writes the document as the PDF it is, not PostScript or SVG; "
                   "choose a name ending in .pdf");
  for (const std::string& name : {outputPath, outputPath + ".xml"})
    if (auto refused = RefusedTarget(name)) return R::fail(*refused);
  platform::FileDescriptor document;
  if (auto refused = platform::OpenInputFile(documentPath, document)) return R::fail(*refused);

  // The module's own export, as `korvo-pde export` runs it, so the bytes are the same; it writes
  // by name, into a folder of our own until both files are ready.
  platform::PrivateTemporaryFile exportedTicket("ticket.xml");
  std::string failed;
  if (!exportedTicket.write("", &failed)) return R::fail(failed);
  const R exported = pde.exportJobTicket(exportedTicket.path());
  if (!exported || *exported != platform::noErr) return exported;
  const platform::Result<std::string> ticketBytes =
      platform::ReadFileBytes(exportedTicket.path(), platform::kMaxDocumentFileBytes);
  if (!ticketBytes) return R::fail(ticketBytes.error());

  // Both outputs are written whole before either is put in place.
  platform::OutputFile pdf, ticket;
  if (!pdf.open(outputPath, &failed)) return R::fail(failed);
  if (auto copyFailed = CopyBytes(document.fd, pdf, documentPath)) return R::fail(*copyFailed);
  if (!ticket.open(outputPath + ".xml", &failed) || !ticket.write(*ticketBytes, &failed)) return R::fail(failed);
  if (!ticket.commit(&failed) || !pdf.commit(&failed)) return R::fail(failed);
  return R::ok(platform::noErr);
}

}  // namespace korvo_host

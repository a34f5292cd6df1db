#include "jobticket/writer/jtkt_export.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "jobticket/writer/jtkt_driver.h"
#include "platform/files/file_io.h"
#include "platform/ticket/print_session.h"

namespace {

constexpr std::string_view kKorvoKeyPrefix = "com.korvo";

struct StreamCloser {
  void operator()(std::FILE* stream) const { std::fclose(stream); }
};
struct BufferFree {
  void operator()(char* bytes) const { std::free(bytes); }
};

// fnfErr when the file's folder is not there to write in, ioErr for every other failure.
platform::OSStatus WriteFailureStatus(const std::string& path) {
  std::error_code ec;
  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (folder.empty()) folder = ".";
  return std::filesystem::is_directory(folder, ec) ? platform::ioErr : platform::fnfErr;
}

}  // namespace

void LogExportError(const std::string& path, const std::string& reason) {
  std::fprintf(stderr, "ERROR: cannot export the job ticket to %s: %s\n", path.c_str(), reason.c_str());
}

platform::PlistDict JTKTCopyKorvoItems(const platform::Ticket& ticket) {
  platform::PlistDict items;
  for (const auto& [key, item] : ticket.items()) {
    if (std::string_view(key).starts_with(kKorvoKeyPrefix)) items.emplace(key, item.value);
  }
  return items;
}

std::optional<std::string> JTKTWriteDocument(const platform::PlistDict& dictionary, int coverMode) {
  char* bytes = nullptr;
  std::size_t size = 0;
  std::unique_ptr<char, BufferFree> buffer;  // outlives the stream, which may still move it
  std::unique_ptr<std::FILE, StreamCloser> stream(open_memstream(&bytes, &size));
  if (!stream) return std::nullopt;
  WriteJTKT(stream.get(), &dictionary, coverMode);
  const bool failed = std::ferror(stream.get()) != 0;
  const int closed = std::fclose(stream.release());  // closing settles bytes and size
  buffer.reset(bytes);
  if (failed || closed != 0 || bytes == nullptr) return std::nullopt;
  return std::string(bytes, size);
}

platform::OSStatus JTKTExportTicketToFile(const platform::Ticket* printSettings, const std::string& path) {
  if (path.empty()) {
    LogExportError(path, "no file name was given");
    return platform::paramErr;
  }
  if (printSettings == nullptr) {
    LogExportError(path, "the print session has no print-settings ticket");
    return platform::kPMInvalidTicket;
  }
  std::optional<std::string> document = JTKTWriteDocument(JTKTCopyKorvoItems(*printSettings), 0);
  if (!document) {
    LogExportError(path, "no memory for the document");
    return platform::ioErr;
  }
  if (auto tooLarge = platform::CheckDocumentSize(document->size())) {
    // Import would refuse the file: better none, and the one line that says why.
    LogExportError(path, "the job ticket " + *tooLarge + "; nothing is written");
    return platform::ioErr;
  }
  std::string error;
  if (!platform::WriteFileAtomically(path, *document, &error)) {
    LogExportError(path, error);
    return WriteFailureStatus(path);
  }
  return platform::noErr;
}

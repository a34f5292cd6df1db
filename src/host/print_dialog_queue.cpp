// The print dialog's printer and Print on a CUPS queue.
#include <cstdio>
#include <cstdlib>

#include "host/print_dialog_job.h"
#include "platform/cups_library.h"
#include "platform/files/file_io.h"
#include "platform/files/folders.h"
#include "platform/ipp_handles.h"
#include "platform/ticket/printer_info.h"
#include "shell/printer_description.h"

namespace korvo_host {

namespace {

using PrinterResult = platform::Result<platform::PrinterInfo>;

// The file cupsGetPPD3 made for us, removed when done with.
class DownloadedFile {
 public:
  DownloadedFile() = default;
  ~DownloadedFile() {
    if (path[0] != '\0') std::remove(path);
  }
  DownloadedFile(const DownloadedFile&) = delete;
  DownloadedFile& operator=(const DownloadedFile&) = delete;
  char path[4096] = "";
};

std::string OnServer(const std::string& queue) {
  return "the queue " + queue + " on the CUPS server " + cupsServer();
}

}  // namespace

std::string QueuePrinterFolder() {
  const char* cache = std::getenv("XDG_CACHE_HOME");
  const std::string base =
      cache != nullptr && cache[0] == '/' ? std::string(cache) : platform::HomeFolder() + "/.cache";
  return base + "/korvo-pde/printers";
}

PrinterResult LoadQueuePrinter(const std::string& queue, platform::PrintSession* session,
                               const std::string& ppdFolder) {
  if (session == nullptr) return PrinterResult::fail("there is no print session");
  // A queue's name becomes a file name below; CUPS never makes one with a slash or a leading dot.
  if (queue.empty() || queue.find('/') != std::string::npos || queue.front() == '.')
    return PrinterResult::fail("\"" + queue + "\" is not the name of a CUPS queue");
  const platform::CupsDestPtr dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.c_str(), nullptr));
  if (!dest && cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND)
    return PrinterResult::fail("there is no queue " + queue + " on the CUPS server " + cupsServer());
  if (!dest) return PrinterResult::fail("cannot ask about " + OnServer(queue) + ": " + cupsLastErrorString());
  const char* device = cupsGetOption("device-uri", dest->num_options, dest->options);
  DownloadedFile download;
  time_t modified = 0;
  // The PPD interface is deprecated upstream, but the queue's PPD is what the panels read.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  const http_status_t got =
      cupsGetPPD3(CUPS_HTTP_DEFAULT, queue.c_str(), &modified, download.path, sizeof download.path);
#pragma GCC diagnostic pop
  if (got != HTTP_STATUS_OK)
    return PrinterResult::fail(OnServer(queue) + " gave no printer description (" + cupsLastErrorString() + ")");
  platform::Result<std::string> bytes = platform::ReadFileBytes(download.path, platform::kMaxPrinterDescriptionBytes);
  if (!bytes) return PrinterResult::fail(OnServer(queue) + ": " + bytes.error());
  auto names = platform::ReadPrinterDescriptionNames(download.path);
  if (!names) return PrinterResult::fail(OnServer(queue) + ": " + names.error());
  const std::string ppdPath = ppdFolder + "/" + queue + ".ppd";
  std::string error;
  if (!platform::CreateFolderWithParents(ppdFolder, &error) || !platform::WriteFileAtomically(ppdPath, *bytes, &error))
    return PrinterResult::fail(error);
  // Only the printer changes: the settings the user made stay for the new printer's panels.
  session->printer() = platform::PrinterInfo{queue, device != nullptr ? device : "", ppdPath};
  platform::FillPrinterInfoTicket(*names, session->ensureTicket(platform::kPDE_PMPrinterInfoRef));
  return PrinterResult::ok(session->printer());
}

bool IsKorvoPrinterDescription(const std::string& ppdPath) {
  auto names = platform::ReadPrinterDescriptionNames(ppdPath);
  return names && names->manufacturer == kKorvoManufacturer;
}

platform::Result<platform::OSStatus> PrintToQueue(PrintDialog& pde, const std::string& queue,
                                                  const std::string& documentPath, const PrintDialogChoices& choices,
                                                  std::string* requestId, std::string* warnings) {
  using R = platform::Result<platform::OSStatus>;
  if (choices.copies < 1) return R::fail("cannot print " + documentPath + ": the number of copies must be at least 1");
  for (const auto& [first, last] : choices.pageRanges)
    if (first < 1 || last < 1)
      return R::fail("cannot print " + documentPath + ": pages are counted from 1 (range " + std::to_string(first) +
                     "-" + std::to_string(last) + ")");
  return pde.printDocumentToQueue(queue, documentPath, requestId, warnings, &choices);
}

}  // namespace korvo_host

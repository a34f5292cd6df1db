// The queue's printer asked for its "-supported" attributes, then Print-Job to the queue.
#include "ipp/ipp_queue_job.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "ipp/ipp_device_uri.h"
#include "ipp/ipp_dialog_choices.h"
#include "ipp/ipp_job_template.h"
#include "ipp/ipp_job_ticket.h"
#include "ipp/ipp_streamed_request.h"
#include "ipp/ipp_supported.h"
#include "platform/cups_library.h"
#include "platform/files/file_io.h"
#include "platform/files/unique_fd.h"
#include "platform/system/uri_text.h"
#include "stocklibrary/stock_library.h"

namespace {

// The printer behind the queue, or none with the reason.
std::optional<std::string> QueuePrinterURI(const std::string& queue, std::string* error) {
  const platform::CupsDestPtr dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.c_str(), nullptr));
  if (!dest) {
    *error = "there is no queue " + queue + " on the CUPS server " + cupsServer() + " (" + cupsLastErrorString() + ")";
    return std::nullopt;
  }
  const char* device = cupsGetOption("device-uri", dest->num_options, dest->options);
  std::optional<std::string> printerURI = IppPrinterURIForDevice(device ? device : "");
  if (!printerURI)
    *error = "the queue " + queue + " sends its jobs to " + (device ? platform::URIForMessages(device) : "no device") +
             ", which is no IPP printer";
  return printerURI;
}

// The job's attributes the queue's printer supports, after one warning line for each left out.
platform::OSStatus KeepSupported(const std::string& printerURI, ipp_t* job, platform::IppMessagePtr* kept,
                                 IppQueueOutcome* outcome) {
  IppPtr request = NewIppPrinterRequest(IPP_OP_GET_PRINTER_ATTRIBUTES, printerURI);
  std::vector<std::string> names = IppSupportedNamesFor(job);
  std::vector<const char*> values;
  for (const std::string& name : names) values.push_back(name.c_str());
  if (!values.empty())
    ippAddStrings(request.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  static_cast<int>(values.size()), nullptr, values.data());
  IppPtr printer;
  if (platform::OSStatus status = ExchangeWithPrinter(printerURI, request, {}, printer, outcome->error);
      status != platform::noErr)
    return status;
  *kept = IppKeepSupported(job, printer.get(), &outcome->warnings);
  return platform::noErr;
}

}  // namespace

platform::OSStatus IppPrintToQueue(const std::string& queue, const platform::PlistDict& settings,
                                   const PrintDialogChoices* choices, const std::string& jobTicket,
                                   const std::string& documentPath, IppQueueOutcome* outcome) {
  if (outcome == nullptr) return platform::paramErr;
  if (std::optional<std::string> refused = IppJobTemplateRefusal(&settings)) {
    outcome->error = *refused;
    return platform::paramErr;
  }
  if (std::optional<std::string> bad = platform::CheckInputFile(documentPath)) {
    outcome->error = *bad;
    return platform::fnfErr;
  }
  const platform::UniqueFd document(::open(documentPath.c_str(), O_RDONLY | O_CLOEXEC));
  if (!document) {
    outcome->error = documentPath + ": " + std::strerror(errno);
    return platform::fnfErr;
  }
  const std::optional<std::string> printerURI = QueuePrinterURI(queue, &outcome->error);
  if (!printerURI) return kPrinterStockUnreachable;
  const platform::IppMessagePtr job(ippNew());
  AddIppJobTemplate(job.get(), &settings);
  AddIppDialogChoices(job.get(), choices, &settings);
  platform::IppMessagePtr kept;
  if (platform::OSStatus status = KeepSupported(*printerURI, job.get(), &kept, outcome); status != platform::noErr)
    return status;

  IppPtr request = NewIppPrinterRequest(IPP_OP_PRINT_JOB, "ipp://localhost/printers/" + queue);
  const std::string jobName = std::filesystem::path(documentPath).filename().string();
  ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, IppName(jobName).c_str());
  ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr, "application/pdf");
  ippCopyAttributes(request.get(), kept.get(), 0, nullptr, nullptr);
  AddIppJobTicket(request.get(), jobTicket);
  const std::string server = cupsServer();
  IppPtr reply;
  const IppStreamTarget scheduler{server, ippPort(), false, "/printers/" + queue, "the CUPS server " + server};
  if (platform::OSStatus status = IppSendStreamed(scheduler, request.get(), document.get(), &reply, &outcome->error);
      status != platform::noErr)
    return status;
  if (const ipp_status_t status = ippGetStatusCode(reply.get()); status >= IPP_STATUS_ERROR_BAD_REQUEST) {
    outcome->error =
        "the queue " + queue + " refused the job (" + ippErrorString(status) + ": " + cupsLastErrorString() + ")";
    return kPrinterStockRefused;
  }
  ipp_attribute_t* id = ippFindAttribute(reply.get(), "job-id", IPP_TAG_INTEGER);
  if (id == nullptr) {
    outcome->error = "the queue " + queue + " named no job id in its reply";
    return kPrinterStockRefused;
  }
  outcome->requestId = queue + "-" + std::to_string(ippGetInteger(id, 0));
  return platform::noErr;
}

// One job of a Korvo queue, from the scheduler to the printer.
#include "backend/korvo_backend.h"

#include <cups/backend.h>
#include <fcntl.h>
#include <sys/mman.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "ipp/ipp.h"
#include "backend/scheduler_job.h"
#include "platform/files/unique_fd.h"
#include "platform/system/uri_text.h"
#include "stocklibrary/stock_library.h"

namespace {

constexpr const char* kDefaultDocumentFormat = "application/pdf";
// How the ticket waits for a printer busy with the job's document: pauses that double up to the
// longest, for at most the whole wait.
constexpr double kTicketFirstPauseSeconds = 0.25;
constexpr double kTicketLongestPauseSeconds = 5;
constexpr double kTicketBusyWaitSeconds = 600;

struct BackendJob {
  int id = 0;
  int copies = 1;
  std::string title;
  std::string options;
  const char* file = nullptr;  // null: the document comes on standard input
};

bool ParseNumber(std::string_view text, int& value) {
  const auto [end, failed] = std::from_chars(text.data(), text.data() + text.size(), value);
  return failed == std::errc() && end == text.data() + text.size() && value > 0;
}

// The options cupsd gives the job ("name=value ..."), as name and choice.
std::vector<PPDOption> ParsedOptions(const std::string& text) {
  const platform::CupsOptions parsed(text.c_str());
  std::vector<PPDOption> options;
  for (int i = 0; i < parsed.count(); ++i) options.emplace_back(parsed[i].name, parsed[i].value);
  return options;
}

// The document to send: the file cupsd names, or standard input.
platform::UniqueFd OpenDocument(const BackendJob& job) {
  if (job.file == nullptr) return platform::UniqueFd(::dup(0));
  return platform::UniqueFd(::open(job.file, O_RDONLY | O_CLOEXEC));
}

// The ticket's bytes in a file of their own in memory, read from its start.
platform::UniqueFd TicketDocument(const std::string& ticket) {
  platform::UniqueFd fd(::memfd_create("korvo-job-ticket", MFD_CLOEXEC));
  if (!fd || ::write(fd.get(), ticket.data(), ticket.size()) != static_cast<ssize_t>(ticket.size()) ||
      ::lseek(fd.get(), 0, SEEK_SET) != 0)
    return platform::UniqueFd();
  return fd;
}

// Whether the printer lists the ticket's document format; none when it cannot be asked.
std::optional<bool> PrinterTakesTickets(const std::string& printerURI, std::string* error) {
  IppPtr request = NewIppPrinterRequest(IPP_OP_GET_PRINTER_ATTRIBUTES, printerURI);
  ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
               "document-format-supported");
  IppPtr reply;
  if (ExchangeWithPrinter(printerURI, request, {}, reply, *error) != platform::noErr) return std::nullopt;
  ipp_attribute_t* formats = ippFindAttribute(reply.get(), "document-format-supported", IPP_TAG_MIMETYPE);
  for (int i = 0; formats != nullptr && i < ippGetCount(formats); ++i)
    if (const char* format = ippGetString(formats, i, nullptr);
        format && std::strcmp(format, kJobTicketDocumentFormat) == 0)
      return true;
  return false;
}

// Sends the job's ticket after its document, as a job of its own named like it, where the
// printer takes the format; otherwise one warning, and the job has printed with its attributes.
void SendTicket(const std::string& printerURI, const std::string& ticket, const BackendJob& job, std::FILE* err) {
  std::string error;
  const std::optional<bool> takes = PrinterTakesTickets(printerURI, &error);
  if (!takes || !*takes) {
    std::fprintf(err,
                 "WARNING: %s takes no job ticket (%s is not among its document formats%s); the job printed "
                 "with its attributes only\n",
                 printerURI.c_str(), kJobTicketDocumentFormat, takes ? "" : (", " + error).c_str());
    return;
  }
  const platform::UniqueFd document = TicketDocument(ticket);
  if (!document) {
    std::fprintf(err, "WARNING: the job ticket did not reach the printer: %s\n", std::strerror(errno));
    return;
  }
  const platform::IppMessagePtr none(ippNew());
  IppPrintOutcome outcome;
  // A printer that prints one job at a time is busy with the document just sent; the ticket is
  // sent again once it is free, for as long as a long document may take to print.
  platform::OSStatus status = platform::noErr;
  double waited = 0;
  for (double pause = kTicketFirstPauseSeconds;; pause = std::min(pause * 2, kTicketLongestPauseSeconds)) {
    outcome = IppPrintOutcome();
    status = ::lseek(document.get(), 0, SEEK_SET) == 0
                 ? IppSendJob(printerURI, none.get(), document.get(), kJobTicketDocumentFormat,
                              job.title + " (job ticket)", &outcome)
                 : platform::ioErr;
    if (status != kPrinterStockBusy || waited >= kTicketBusyWaitSeconds) break;
    if (waited == 0) std::fputs("INFO: the printer is busy; the job ticket waits for it\n", err);
    std::this_thread::sleep_for(std::chrono::duration<double>(pause));
    waited += pause;
  }
  if (status != platform::noErr) {
    std::fprintf(err, "WARNING: the job ticket did not reach the printer: %s\n",
                 status == platform::ioErr && outcome.error.empty() ? std::strerror(errno) : outcome.error.c_str());
    return;
  }
  std::fprintf(err, "INFO: the job ticket went to the printer as %s\n", outcome.jobURI.c_str());
}

int PrintJob(const std::string& printerURI, const BackendJob& job, std::FILE* err) {
  platform::IppMessagePtr schedulerJob;
  std::string error;
  if (ReadSchedulerJob(job.id, &schedulerJob, &error) != platform::noErr) {
    // Printed without them the job would lose its settings without a word.
    std::fprintf(err, "ERROR: %s\n", error.c_str());
    return CUPS_BACKEND_FAILED;
  }
  const char* queue = std::getenv("PRINTER");
  const platform::IppMessagePtr defaults = ReadQueueDefaults(queue ? queue : "");
  const platform::IppMessagePtr attributes = IppJobTemplateOfSchedulerJob(schedulerJob.get(), defaults.get());
  std::vector<std::string> warnings;
  const platform::IppMessagePtr fromOptions = NewIppFromPPDOptions(ParsedOptions(job.options), &warnings);
  IppAddMissingAttributes(attributes.get(), fromOptions.get());
  if (job.copies > 1 && ippFindAttribute(attributes.get(), "copies", IPP_TAG_ZERO) == nullptr)
    ippAddInteger(attributes.get(), IPP_TAG_JOB, IPP_TAG_INTEGER, "copies", job.copies);
  for (const std::string& line : warnings) std::fprintf(err, "%s\n", line.c_str());
  for (ipp_attribute_t* a = ippFirstAttribute(attributes.get()); a != nullptr; a = ippNextAttribute(attributes.get()))
    std::fprintf(err, "DEBUG: the job's %s goes to the printer\n", ippGetName(a));

  const platform::UniqueFd document = OpenDocument(job);
  if (!document) {
    std::fprintf(err, "ERROR: cannot read the document %s: %s\n", job.file ? job.file : "on standard input",
                 std::strerror(errno));
    return CUPS_BACKEND_FAILED;
  }
  const char* format = std::getenv("CONTENT_TYPE");
  std::fputs("STATE: +connecting-to-device\n", err);
  IppPrintOutcome outcome;
  const platform::OSStatus status =
      IppSendJob(printerURI, attributes.get(), document.get(), format && *format ? format : kDefaultDocumentFormat,
                 job.title, &outcome);
  std::fputs("STATE: -connecting-to-device\n", err);
  for (const std::string& line : outcome.warnings) std::fprintf(err, "%s\n", line.c_str());
  if (status != platform::noErr) {
    std::fprintf(err, "ERROR: %s\n", outcome.error.c_str());
    // A printer that is off, busy, or too slow to answer, takes the job later.
    return status == kPrinterStockUnreachable || status == kPrinterStockNoAnswer || status == kPrinterStockBusy
               ? CUPS_BACKEND_RETRY
               : CUPS_BACKEND_FAILED;
  }
  std::fprintf(err, "INFO: the printer took the job as %s\n", outcome.jobURI.c_str());
  if (const std::string ticket = IppJobTicket(schedulerJob.get()); !ticket.empty())
    SendTicket(printerURI, ticket, job, err);
  return CUPS_BACKEND_OK;
}

}  // namespace

int RunKorvoBackend(int argc, const char* const argv[], std::FILE* out, std::FILE* err) {
  if (argc == 1) {
    std::fputs(kKorvoDiscoveryLine, out);
    return CUPS_BACKEND_OK;
  }
  BackendJob job;
  if ((argc != 6 && argc != 7) || !ParseNumber(argv[1], job.id) || !ParseNumber(argv[4], job.copies)) {
    std::fprintf(err, "ERROR: usage: %s job-id user title copies options [file]\n", argv[0]);
    return CUPS_BACKEND_FAILED;
  }
  job.title = argv[3];
  job.options = argv[5];
  if (argc == 7) job.file = argv[6];
  const char* device = std::getenv("DEVICE_URI");
  const std::optional<std::string> printerURI = IppPrinterURIForDevice(device ? device : "");
  if (!printerURI) {
    std::fprintf(err, "ERROR: the device URI \"%s\" is no Korvo printer's (korvo://HOST[:PORT]/PATH or korvos://...)\n",
                 platform::URIForMessages(device ? device : "").c_str());
    return CUPS_BACKEND_STOP;
  }
  return PrintJob(*printerURI, job, err);
}

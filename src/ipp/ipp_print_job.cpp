// Get-Printer-Attributes for the "-supported" attributes, then Print-Job.
#include "ipp/ipp_print_job.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string_view>

#include "ipp/ipp_job_template.h"
#include "ipp/ipp_supported.h"
#include "platform/cups_library.h"
#include "platform/files/file_io.h"
#include "platform/system/uri_text.h"
#include "stocklibrary/stock_library.h"

namespace {

constexpr const char* kDocumentFormat = "application/pdf";

IppPtr NewRequest(ipp_op_t operation, const std::string& printerURI) {
  IppPtr request(ippNew());
  ippSetOperation(request.get(), operation);
  ippSetRequestId(request.get(), operation == IPP_OP_PRINT_JOB ? 2 : 1);
  ipp_t* r = request.get();
  ippAddString(r, IPP_TAG_OPERATION, IPP_TAG_CHARSET, "attributes-charset", nullptr, "utf-8");
  ippAddString(r, IPP_TAG_OPERATION, IPP_TAG_LANGUAGE, "attributes-natural-language", nullptr, "en");
  ippAddString(r, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerURI.c_str());
  ippAddString(r, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
  return request;
}

IppPtr NewSupportedRequest(const std::string& printerURI, ipp_t* job) {
  IppPtr request = NewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES, printerURI);
  std::vector<std::string> names = IppSupportedNamesFor(job);
  names.insert(names.begin(), "document-format-supported");
  std::vector<const char*> values;
  for (const std::string& name : names) values.push_back(name.c_str());
  ippAddStrings(request.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                static_cast<int>(values.size()), nullptr, values.data());
  return request;
}

// The printer's URI as the user gave it (ipp or ipps, so that the job's URI comes back in that
// scheme) without its user information; the stock library's HTTP form for the other schemes.
std::string PrinterURIWithoutUser(const std::string& deviceURI, const PrinterAddress& address) {
  // Schemes are compared, and sent, in lower case (RFC 3986 3.1): "IPP://" is ipp.
  std::string scheme = deviceURI.substr(0, deviceURI.find(':'));
  std::transform(scheme.begin(), scheme.end(), scheme.begin(), [](unsigned char c) { return std::tolower(c); });
  if (scheme != "ipp" && scheme != "ipps") return PrinterURIForAddress(address);
  const std::string uri = PrinterURIForAddress(address, scheme);
  return uri.empty() ? PrinterURIForAddress(address) : uri;
}

}  // namespace

platform::OSStatus IppSendJob(const std::string& deviceURI, ipp_t* jobAttributes, int documentFd,
                              const std::string& documentFormat, const std::string& jobName,
                              IppPrintOutcome* outcome) {
  if (outcome == nullptr || jobAttributes == nullptr || documentFd < 0) return platform::paramErr;
  if (std::optional<std::string> tooLong = IppURITooLong(deviceURI)) {
    outcome->error = *tooLong;
    return kPrinterStockUnreachable;
  }
  const std::optional<PrinterAddress> address = PrinterAddressFromDeviceURI(deviceURI);
  if (!address) {
    outcome->error = platform::URIForMessages(deviceURI) + ": not the address of an IPP printer";
    return kPrinterStockUnreachable;
  }
  const std::string printerURI = PrinterURIWithoutUser(deviceURI, *address);
  IppPtr printer;
  if (platform::OSStatus status = ExchangeWithPrinter(printerURI, NewSupportedRequest(printerURI, jobAttributes), -1,
                                                      printer, outcome->error);
      status != platform::noErr)
    return status;
  const platform::IppMessagePtr kept = IppKeepSupported(jobAttributes, printer.get(), &outcome->warnings);

  IppPtr request = NewRequest(IPP_OP_PRINT_JOB, printerURI);
  ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, IppName(jobName).c_str());
  ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr, documentFormat.c_str());
  ippCopyAttributes(request.get(), kept.get(), 0, nullptr, nullptr);
  IppPtr reply;
  if (platform::OSStatus status = ExchangeWithPrinter(printerURI, request, documentFd, reply, outcome->error);
      status != platform::noErr)
    return status;
  ipp_attribute_t* jobURI = ippFindAttribute(reply.get(), "job-uri", IPP_TAG_URI);
  const char* uri = jobURI != nullptr ? ippGetString(jobURI, 0, nullptr) : nullptr;
  if (uri == nullptr || *uri == '\0') {
    outcome->error = printerURI + ": the printer's reply to the Print-Job request names no job-uri";
    return kPrinterStockRefused;
  }
  outcome->jobURI = uri;
  return platform::noErr;
}

platform::OSStatus IppPrintDocument(const std::string& deviceURI, const platform::PlistDict& ticket,
                                    const std::string& documentPath, IppPrintOutcome* outcome) {
  if (outcome == nullptr) return platform::paramErr;
  if (std::optional<std::string> refused = IppJobTemplateRefusal(&ticket)) {
    outcome->error = *refused;
    return platform::paramErr;
  }
  platform::FileDescriptor document;
  if (std::optional<std::string> refused = platform::OpenInputFile(documentPath, document)) {
    outcome->error = *refused;
    return platform::fnfErr;
  }
  const platform::IppMessagePtr job(ippNew());
  AddIppJobTemplate(job.get(), &ticket);
  return IppSendJob(deviceURI, job.get(), document.fd, kDocumentFormat,
                    std::filesystem::path(documentPath).filename().string(), outcome);
}

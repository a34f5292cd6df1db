#pragma once
// Sending a job to a printer from a descriptor: the printer asked for the "-supported"
// attributes the job needs (what it lacks is left out with a warning), then one streamed
// Print-Job. (The printer exchange is to offer this itself; until then the backend has its own.)
#include "ipp/ipp_device_uri.h"
#include "ipp/ipp_job_template.h"
#include "ipp/ipp_print_job.h"
#include "ipp/ipp_streamed_request.h"
#include "ipp/ipp_supported.h"
#include "stocklibrary/printer_address.h"
#include "stocklibrary/printer_stock_request.h"

inline platform::OSStatus IppSendJob(const std::string& printerURI, ipp_t* jobAttributes, int documentFd,
                                     const std::string& documentFormat, const std::string& jobName,
                                     IppPrintOutcome* outcome) {
  const auto request = [&](ipp_op_t op) { return NewIppPrinterRequest(op, printerURI); };
  IppPtr ask = request(IPP_OP_GET_PRINTER_ATTRIBUTES);
  std::vector<std::string> names = IppSupportedNamesFor(jobAttributes);
  names.push_back("document-format-supported");
  std::vector<const char*> values;
  for (const std::string& n : names) values.push_back(n.c_str());
  ippAddStrings(ask.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", static_cast<int>(values.size()),
                nullptr, values.data());
  IppPtr printer;
  if (auto s = ExchangeWithPrinter(printerURI, ask, {}, printer, outcome->error); s != platform::noErr) return s;
  const platform::IppMessagePtr kept = IppKeepSupported(jobAttributes, printer.get(), &outcome->warnings);
  IppPtr job = request(IPP_OP_PRINT_JOB);
  ippAddString(job.get(), IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, IppName(jobName).c_str());
  ippAddString(job.get(), IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr, documentFormat.c_str());
  ippCopyAttributes(job.get(), kept.get(), 0, nullptr, nullptr);
  const std::optional<PrinterAddress> address = PrinterAddressFromDeviceURI(printerURI);
  if (!address) {
    outcome->error = printerURI + ": not a printer address";
    return kPrinterStockUnreachable;
  }
  const IppStreamTarget target{address->host, address->port, address->encrypted, address->resource,
                               "the printer " + printerURI};
  IppPtr reply;
  if (auto s = IppSendStreamed(target, job.get(), documentFd, &reply, &outcome->error); s != platform::noErr) return s;
  if (const ipp_status_t status = ippGetStatusCode(reply.get()); status >= IPP_STATUS_ERROR_BAD_REQUEST) {
    outcome->error = printerURI + ": the printer refused the job (" + ippErrorString(status) + ")";
    return kPrinterStockRefused;
  }
  ipp_attribute_t* uri = ippFindAttribute(reply.get(), "job-uri", IPP_TAG_URI);
  outcome->jobURI = uri ? ippGetString(uri, 0, nullptr) : "";
  return platform::noErr;
}

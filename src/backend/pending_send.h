#pragma once
// Until the printer exchange sends a job from a descriptor itself: the job read whole, its
// attributes checked and sent with Print-Job.
#include <unistd.h>

#include "ipp/ipp_device_uri.h"
#include "ipp/ipp_job_template.h"
#include "ipp/ipp_print_job.h"
#include "ipp/ipp_supported.h"
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
  std::string document;
  char chunk[65536];
  ssize_t n;
  while ((n = ::read(documentFd, chunk, sizeof chunk)) > 0) document.append(chunk, static_cast<std::size_t>(n));
  IppPtr job = request(IPP_OP_PRINT_JOB);
  ippAddString(job.get(), IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, IppName(jobName).c_str());
  ippAddString(job.get(), IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr, documentFormat.c_str());
  ippCopyAttributes(job.get(), kept.get(), 0, nullptr, nullptr);
  IppPtr reply;
  if (auto s = ExchangeWithPrinter(printerURI, job, document, reply, outcome->error); s != platform::noErr) return s;
  ipp_attribute_t* uri = ippFindAttribute(reply.get(), "job-uri", IPP_TAG_URI);
  outcome->jobURI = uri ? ippGetString(uri, 0, nullptr) : "";
  return platform::noErr;
}

// The request for the printer's media collection database, and its reply.
#include "stocklibrary/printer_stock_request.h"

#include <cups/cups.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "stocklibrary/media_col_stocks.h"
#include "stocklibrary/printer_address.h"

namespace {

constexpr ipp_status_t kFirstErrorStatus = IPP_STATUS_ERROR_BAD_REQUEST;  // 0x0400
constexpr double kTimeoutPollSeconds = 0.1;

struct HttpCloser {
  void operator()(http_t* http) const { httpClose(http); }
};
using HttpPtr = std::unique_ptr<http_t, HttpCloser>;

// The wait for the reply: libcups asks every poll interval whether to go on.
struct ReplyWait {
  std::stop_token stop;
  std::chrono::steady_clock::time_point deadline;
};

int GoOnWaiting(http_t*, void* data) {
  const ReplyWait& wait = *static_cast<const ReplyWait*>(data);
  return !wait.stop.stop_requested() && std::chrono::steady_clock::now() < wait.deadline ? 1 : 0;
}

}  // namespace

IppPtr NewMediaColDatabaseRequest(const std::string& printerURI) {
  IppPtr request(ippNew());
  ippSetOperation(request.get(), IPP_OP_GET_PRINTER_ATTRIBUTES);
  ippSetRequestId(request.get(), 1);
  ipp_t* r = request.get();
  ippAddString(r, IPP_TAG_OPERATION, IPP_TAG_CHARSET, "attributes-charset", nullptr, "utf-8");
  ippAddString(r, IPP_TAG_OPERATION, IPP_TAG_LANGUAGE, "attributes-natural-language", nullptr, "en");
  ippAddString(r, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerURI.c_str());
  ippAddString(r, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr, "application/octet-stream");
  ippAddString(r, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "media-col-database");
  return request;
}

platform::OSStatus RetrievePrinterStockLibrary(const std::string& printerURI, std::vector<Stock>& stocks,
                                               std::string& error, std::stop_token stop) {
  const std::optional<PrinterAddress> address = PrinterAddressFromDeviceURI(printerURI);
  if (!address) {
    error = printerURI + ": not a printer address";
    return kPrinterStockUnreachable;
  }
  errno = 0;
  const http_encryption_t encryption = address->encrypted ? HTTP_ENCRYPTION_ALWAYS : cupsEncryption();
  HttpPtr http(httpConnect2(address->host.c_str(), address->port, nullptr, AF_UNSPEC, encryption, 1,
                            kPrinterConnectTimeoutMs, nullptr));
  if (!http) {
    const int why = errno;
    error = printerURI + ": cannot connect to the printer (" + (why != 0 ? std::strerror(why) : "no address") + ")";
    return kPrinterStockUnreachable;
  }
  ReplyWait wait{stop, std::chrono::steady_clock::now() +
                           std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                               std::chrono::duration<double>(kPrinterReplyTimeoutSeconds))};
  httpSetTimeout(http.get(), kTimeoutPollSeconds, GoOnWaiting, &wait);
  IppPtr reply(cupsDoRequest(http.get(), NewMediaColDatabaseRequest(printerURI).release(), address->resource.c_str()));
  if (!reply) {
    error = printerURI + ": no answer from the printer (" + cupsLastErrorString() + ")";
    return kPrinterStockNoAnswer;
  }
  const ipp_status_t status = ippGetStatusCode(reply.get());
  if (status >= kFirstErrorStatus) {
    error = printerURI + ": the printer refused the request (" + ippErrorString(status) + ")";
    return kPrinterStockRefused;
  }
  std::vector<Stock> answered;
  int refused = 0;
  std::string why;
  if (!StocksFromMediaColDatabase(reply.get(), answered, refused, &why)) {
    error = printerURI + ": " + why;
    return kPrinterStockRefused;
  }
  if (refused > 0)
    std::fprintf(stderr, "ERROR: %s: %d members of media-col-database had the wrong syntax and were not applied\n",
                 printerURI.c_str(), refused);
  stocks = std::move(answered);
  return platform::noErr;
}

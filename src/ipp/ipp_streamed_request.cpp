// Request and document through one connection, with libcups' HTTP client.
#include "ipp/ipp_streamed_request.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/cups_library.h"
#include "stocklibrary/stock_library.h"

namespace {

constexpr std::size_t kChunkBytes = 64 * 1024;

}  // namespace

platform::OSStatus IppSendStreamed(const IppStreamTarget& target, ipp_t* request, int document,
                                   platform::IppMessagePtr* reply, std::string* error) {
  const platform::HttpConnectionPtr http(httpConnect2(target.host.c_str(), target.port, nullptr, AF_UNSPEC,
                                                      target.encrypted ? HTTP_ENCRYPTION_ALWAYS : cupsEncryption(), 1,
                                                      kPrinterConnectTimeoutMs, nullptr));
  if (!http) {
    *error = "cannot connect to " + target.peer;
    return kPrinterStockUnreachable;
  }
  // A peer that stops answering ends the exchange instead of holding the job for ever.
  httpSetTimeout(http.get(), kPrinterReplyTimeoutSeconds, [](http_t*, void*) { return 0; }, nullptr);
  const http_status_t sent = cupsSendRequest(http.get(), request, target.resource.c_str(), CUPS_LENGTH_VARIABLE);
  if (sent != HTTP_STATUS_CONTINUE && sent != HTTP_STATUS_OK) {
    *error = target.peer + " did not take the request (" + cupsLastErrorString() + ")";
    return kPrinterStockNoAnswer;
  }
  char chunk[kChunkBytes];
  ssize_t n = 0;
  while ((n = ::read(document, chunk, sizeof chunk)) > 0)
    if (cupsWriteRequestData(http.get(), chunk, static_cast<std::size_t>(n)) != HTTP_STATUS_CONTINUE) break;
  if (n < 0) {
    *error = std::string("the document could not be read to its end (") + std::strerror(errno) + "); nothing was sent";
    return kPrinterStockNoAnswer;
  }
  platform::IppMessagePtr answer(cupsGetResponse(http.get(), target.resource.c_str()));
  if (!answer) {
    *error = target.peer + " gave no reply (" + cupsLastErrorString() + ")";
    return kPrinterStockNoAnswer;
  }
  *reply = std::move(answer);
  return platform::noErr;
}

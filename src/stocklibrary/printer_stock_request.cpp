// The request for the printer's media collection database, and its reply.
#include "stocklibrary/printer_stock_request.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "platform/cups_library.h"
#include "stocklibrary/media_col_stocks.h"
#include "stocklibrary/printer_address.h"

namespace {

constexpr ipp_status_t kFirstErrorStatus = IPP_STATUS_ERROR_BAD_REQUEST;  // 0x0400

using HttpPtr = platform::HttpConnectionPtr;

// Shuts the connection's socket when the reply is late or the task is asked to stop, whichever
// comes first, so that the read under way fails at once. The socket is shut, not closed: the
// descriptor stays the connection's until httpClose. (A libcups time-out callback would bound the
// wait too, but makes libcups poll before every small read, which more than doubles the time a
// large reply takes.)
class HangUp {
 public:
  HangUp(int fd, std::stop_token stop)
      : watch_([this, fd, stop](std::stop_token finished) {
          std::mutex lock;
          std::condition_variable_any wake;
          std::stop_callback onStop(stop, [&] {
            std::lock_guard<std::mutex> guard(lock);
            wake.notify_all();
          });
          std::unique_lock<std::mutex> guard(lock);
          wake.wait_for(guard, finished, std::chrono::duration<double>(kPrinterReplyTimeoutSeconds),
                        [&] { return stop.stop_requested(); });
          if (finished.stop_requested()) return;
          fired_ = true;
          ::shutdown(fd, SHUT_RDWR);
        }) {}
  ~HangUp() {
    watch_.request_stop();
    watch_.join();
  }
  HangUp(const HangUp&) = delete;
  HangUp& operator=(const HangUp&) = delete;

  // True once the socket was shut.
  bool fired() const { return fired_; }

 private:
  std::atomic<bool> fired_{false};
  std::jthread watch_;  // last: it starts once fired_ is there
};

// Why a connection to host:port cannot be made, as the system says it: libcups reports every
// failure alike ("Host is down"), so after its attempt failed one plain connection is tried.
std::string ConnectionFailure(const std::string& host, int port) {
  addrinfo hints{};
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (const int failed = ::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found); failed != 0)
    return ::gai_strerror(failed);
  std::string reason = "no address";
  for (const addrinfo* a = found; a != nullptr; a = a->ai_next) {
    const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
    if (fd < 0) continue;
    int error = 0;
    if (::connect(fd, a->ai_addr, a->ai_addrlen) != 0) {
      error = errno;
      pollfd wait{fd, POLLOUT, 0};
      if (error == EINPROGRESS) {
        socklen_t size = sizeof error;
        error = ::poll(&wait, 1, kPrinterConnectTimeoutMs) == 1 && ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0
                    ? error
                    : ETIMEDOUT;
      }
    }
    ::close(fd);
    reason = error != 0 ? std::strerror(error) : "the connection was made only on a second try";
    if (error == 0) break;
  }
  ::freeaddrinfo(found);
  return reason;
}

// Sends the request once and reads its reply: null when the answer is no IPP reply. libcups' own
// cupsDoRequest sends the request again for as long as the server answers with a redirect, which
// a misbehaving server can make last for ever; the printer is asked once.
IppPtr SendOnce(http_t* http, const IppPtr& request, const std::string& resource, std::string_view document) {
  const http_status_t sent =
      cupsSendRequest(http, request.get(), resource.c_str(), ippLength(request.get()) + document.size());
  if (sent != HTTP_STATUS_CONTINUE && sent != HTTP_STATUS_OK) return nullptr;
  if (!document.empty() && cupsWriteRequestData(http, document.data(), document.size()) != HTTP_STATUS_CONTINUE)
    return nullptr;
  return IppPtr(cupsGetResponse(http, resource.c_str()));
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

platform::OSStatus ExchangeWithPrinter(const std::string& printerURI, const IppPtr& request, std::string_view document,
                                       IppPtr& reply, std::string& error, std::stop_token stop) {
  const std::optional<PrinterAddress> address = PrinterAddressFromDeviceURI(printerURI);
  if (!address) {
    error = printerURI + ": not a printer address";
    return kPrinterStockUnreachable;
  }
  const http_encryption_t encryption = address->encrypted ? HTTP_ENCRYPTION_ALWAYS : cupsEncryption();
  HttpPtr http(httpConnect2(address->host.c_str(), address->port, nullptr, AF_UNSPEC, encryption, 1,
                            kPrinterConnectTimeoutMs, nullptr));
  if (!http) {
    error = printerURI + ": cannot connect to the printer (" + ConnectionFailure(address->host, address->port) + ")";
    return kPrinterStockUnreachable;
  }
  // Declared after the connection, so that it is gone before the connection is closed.
  const HangUp hangUp(httpGetFd(http.get()), stop);
  IppPtr answer = SendOnce(http.get(), request, address->resource, document);
  if (!answer && httpGetStatus(http.get()) >= HTTP_STATUS_MULTIPLE_CHOICES && !hangUp.fired()) {
    error = printerURI + ": the printer answered HTTP " + std::to_string(httpGetStatus(http.get())) + " (" +
            httpStatus(httpGetStatus(http.get())) + ") instead of a reply; it is not asked again";
    return kPrinterStockRefused;
  }
  if (!answer) {
    error = printerURI + (hangUp.fired() ? ": no answer from the printer within " +
                                               std::to_string(static_cast<int>(kPrinterReplyTimeoutSeconds)) +
                                               " seconds, or the dialog stopped asking"
                                         : ": the printer's answer could not be read as an IPP reply (" +
                                               std::string(cupsLastErrorString()) + ")");
    return kPrinterStockNoAnswer;
  }
  const ipp_status_t status = ippGetStatusCode(answer.get());
  if (status >= kFirstErrorStatus) {
    const char* message = nullptr;
    if (ipp_attribute_t* text = ippFindAttribute(answer.get(), "status-message", IPP_TAG_TEXT))
      message = ippGetString(text, 0, nullptr);
    error = printerURI + ": the printer refused the request (" + ippErrorString(status) +
            (message != nullptr && *message != '\0' ? std::string(": ") + message : std::string()) + ")";
    return kPrinterStockRefused;
  }
  reply = std::move(answer);
  return platform::noErr;
}

platform::OSStatus RetrievePrinterStockLibrary(const std::string& printerURI, std::vector<Stock>& stocks,
                                               std::string& error, std::stop_token stop) {
  IppPtr reply;
  const platform::OSStatus exchanged =
      ExchangeWithPrinter(printerURI, NewMediaColDatabaseRequest(printerURI), {}, reply, error, stop);
  if (exchanged != platform::noErr) return exchanged;
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

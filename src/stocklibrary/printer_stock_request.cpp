// The request for the printer's media collection database, and its reply.
#include "stocklibrary/printer_stock_request.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/cups_library.h"
#include "platform/system/message_text.h"
#include "stocklibrary/http_status_names.h"
#include "stocklibrary/media_col_stocks.h"
#include "stocklibrary/printer_address.h"
#include "stocklibrary/printer_hang_up.h"

namespace {

constexpr ipp_status_t kFirstErrorStatus = IPP_STATUS_ERROR_BAD_REQUEST;  // 0x0400

using HttpPtr = platform::HttpConnectionPtr;

// A text libcups may hand back as null.
std::string Text(const char* text) { return text != nullptr ? text : ""; }

// libcups asks this for a password whenever a printer answers 401: it declines, so nothing is
// ever prompted for on the terminal or sent (least of all as Basic authentication over plain
// HTTP), and the request ends with the printer's 401.
const char* DeclinePassword(const char*, http_t*, const char*, const char*, void*) { return nullptr; }

// Why a connection to host:port cannot be made, as the system says it: libcups reports every
// failure alike ("Host is down"), so after its attempt failed one plain connection is tried. When
// that one is made, the printer took the connection and then said nothing (a TLS printer that
// never answers the handshake).
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
    reason = error != 0 ? std::strerror(error) : "the printer is not answering";
    if (error == 0) break;
  }
  ::freeaddrinfo(found);
  return reason;
}

// What one sending of a request came to.
struct Sent {
  IppPtr answer;                       // null when no IPP reply came
  http_status_t status = HTTP_STATUS_ERROR;
  std::string documentError;           // why the document could not be read, when it could not
};

// The document's bytes after the request, read and sent one part at a time: a regular file with
// its length in the request's, anything else (a pipe) chunked. Each part the printer takes re-arms
// the watchdog. False when the request could not be finished.
bool SendDocument(http_t* http, int fd, std::optional<off_t> size, PrinterHangUp& hangUp, Sent& sent) {
  std::vector<char> part(kPrinterDocumentChunkBytes);
  off_t left = size.value_or(0);
  while (!size || left > 0) {
    const std::size_t want = size ? std::min(part.size(), static_cast<std::size_t>(left)) : part.size();
    const ssize_t got = ::read(fd, part.data(), want);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      sent.documentError = std::strerror(errno);
      return false;
    }
    if (got == 0) {
      if (!size) break;
      sent.documentError = "it became shorter while it was sent";
      return false;
    }
    sent.status = cupsWriteRequestData(http, part.data(), static_cast<std::size_t>(got));
    // The printer may answer before it has the whole document (an error, say): that answer is read.
    if (sent.status != HTTP_STATUS_CONTINUE) return sent.status != HTTP_STATUS_ERROR;
    hangUp.progressed();
    left -= got;
  }
  return true;
}

// Sends the request once and reads its reply. libcups' own cupsDoRequest sends the request again
// for as long as the server answers with a redirect, which a misbehaving server can make last for
// ever; the printer is asked once.
Sent SendOnce(http_t* http, const IppPtr& request, const std::string& resource, int documentFd, PrinterHangUp& hangUp) {
  Sent sent;
  std::size_t length = ippLength(request.get());
  std::optional<off_t> documentSize;
  if (struct stat file{}; documentFd >= 0 && ::fstat(documentFd, &file) == 0 && S_ISREG(file.st_mode)) {
    documentSize = file.st_size;
    length += static_cast<std::size_t>(file.st_size);
  } else if (documentFd >= 0) {
    length = 0;  // chunked
  }
  sent.status = cupsSendRequest(http, request.get(), resource.c_str(), length);
  if (sent.status != HTTP_STATUS_CONTINUE && sent.status != HTTP_STATUS_OK) return sent;
  hangUp.progressed();
  if (documentFd >= 0 && sent.status == HTTP_STATUS_CONTINUE &&
      !SendDocument(http, documentFd, documentSize, hangUp, sent))
    return sent;
  sent.answer.reset(cupsGetResponse(http, resource.c_str()));
  sent.status = httpGetStatus(http);
  return sent;
}

bool AsksForAuthentication(http_status_t status) {
  return status == HTTP_STATUS_UNAUTHORIZED || status == HTTP_STATUS_CUPS_AUTHORIZATION_CANCELED;
}

// Why an exchange that brought no IPP reply failed, naming the request (the second of two
// requests is not blamed on the first's status).
std::string NoReplyReason(const Sent& sent, const PrinterHangUp& hangUp, http_t* http, const std::string& operation) {
  if (hangUp.fired())
    return "the printer did not take or answer the " + operation + " request for " +
           std::to_string(static_cast<int>(kPrinterReplyTimeoutSeconds)) + " seconds, or the dialog stopped asking";
  if (AsksForAuthentication(sent.status) || AsksForAuthentication(httpGetStatus(http)))
    return "the printer asks for authentication for the " + operation +
           " request, and none is given";
  if (sent.status >= HTTP_STATUS_MULTIPLE_CHOICES)
    return "the printer answered the " + operation + " request with " + HttpStatusText(sent.status) +
           " instead of an IPP reply; it is not asked again";
  // libcups marks an answer it could not parse with EINVAL, and forgets its HTTP status.
  const int cause = httpError(http);
  if (sent.status == HTTP_STATUS_OK || cause == EINVAL)
    return "the printer's answer to the " + operation + " request could not be read as an IPP reply (" +
           Text(cupsLastErrorString()) + ")";
  return "the printer closed the connection without answering the " + operation + " request" +
         (cause != 0 ? " (" + std::string(std::strerror(cause)) + ")" : std::string());
}

// A refusal for now only: the printer is printing another job, is paused, or is going down.
bool IsBusy(ipp_status_t status) {
  return status == IPP_STATUS_ERROR_BUSY || status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE ||
         status == IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS;
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

platform::OSStatus ExchangeWithPrinter(const std::string& printerURI, const IppPtr& request, int documentFd,
                                       IppPtr& reply, std::string& error, std::stop_token stop) {
  if (std::optional<std::string> tooLong = IppURITooLong(printerURI)) {
    error = *tooLong;
    return kPrinterStockUnreachable;
  }
  const std::optional<PrinterAddress> address = PrinterAddressFromDeviceURI(printerURI);
  if (!address) {
    error = printerURI + ": not a printer address";
    return kPrinterStockUnreachable;
  }
  cupsSetPasswordCB2(DeclinePassword, nullptr);  // libcups keeps one per thread
  const std::string operation = Text(ippOpString(ippGetOperation(request.get())));
  const http_encryption_t encryption = address->encrypted ? HTTP_ENCRYPTION_ALWAYS : cupsEncryption();
  HttpPtr http(httpConnect2(address->host.c_str(), address->port, nullptr, AF_UNSPEC, encryption, 1,
                            kPrinterConnectTimeoutMs, nullptr));
  if (!http) {
    error = printerURI + ": cannot connect to the printer (" + ConnectionFailure(address->host, address->port) + ")";
    return kPrinterStockUnreachable;
  }
  // Declared after the connection, so that it is gone before the connection is closed.
  PrinterHangUp hangUp(httpGetFd(http.get()), kPrinterReplyTimeoutSeconds, stop);
  Sent sent = SendOnce(http.get(), request, address->resource, documentFd, hangUp);
  if (!sent.documentError.empty()) {
    error = printerURI + ": the document could not be read for the " + operation + " request (" +
            sent.documentError + ")";
    return platform::ioErr;
  }
  if (!sent.answer) {
    error = printerURI + ": " + NoReplyReason(sent, hangUp, http.get(), operation);
    return hangUp.fired() || sent.status < HTTP_STATUS_MULTIPLE_CHOICES ? kPrinterStockNoAnswer : kPrinterStockRefused;
  }
  const ipp_status_t status = ippGetStatusCode(sent.answer.get());
  if (status >= kFirstErrorStatus) {
    std::string message;
    if (ipp_attribute_t* text = ippFindAttribute(sent.answer.get(), "status-message", IPP_TAG_TEXT))
      message = Text(ippGetString(text, 0, nullptr));
    error = printerURI + ": the printer refused the " + operation + " request (" + Text(ippErrorString(status)) +
            (message.empty() ? std::string() : ": " + message) + ")";
    return IsBusy(status) ? kPrinterStockBusy : kPrinterStockRefused;
  }
  reply = std::move(sent.answer);
  return platform::noErr;
}

platform::OSStatus RetrievePrinterStockLibrary(const std::string& printerURI, std::vector<Stock>& stocks,
                                               std::string& error, std::stop_token stop) {
  IppPtr reply;
  const platform::OSStatus exchanged =
      ExchangeWithPrinter(printerURI, NewMediaColDatabaseRequest(printerURI), -1, reply, error, stop);
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
                 platform::OneLineText(printerURI).c_str(), refused);
  stocks = std::move(answered);
  return platform::noErr;
}

#pragma once
// The one IPP request the plug-in sends to a printer: Get-Printer-Attributes for its
// media-col-database, sent with libcups.
#include <cstddef>
#include <memory>
#include <stop_token>
#include <string>
#include <vector>

#include "model/stock.h"
#include "platform/cups_library.h"
#include "platform/ipp_handles.h"
#include "platform/status.h"

inline constexpr platform::OSStatus kPrinterStockUnreachable = -3264;  // no connection could be made
inline constexpr platform::OSStatus kPrinterStockNoAnswer = -3265;     // no reply, or a transport error
inline constexpr platform::OSStatus kPrinterStockRefused = -3266;      // an IPP error status, or a bad reply
// The printer is busy, or takes no jobs for now: the same request may succeed later.
inline constexpr platform::OSStatus kPrinterStockBusy = -3267;

// How long the request may take: the connection, then each wait for the printer to take more of
// the request or to answer it. An unreachable printer fails within the first, a silent one within
// the second; a slow one that keeps reading a large document is waited for.
inline constexpr int kPrinterConnectTimeoutMs = 5000;
inline constexpr double kPrinterReplyTimeoutSeconds = 10.0;
// The document is sent in parts of this size, so that memory stays bounded whatever its size.
inline constexpr std::size_t kPrinterDocumentChunkBytes = 64 * 1024;

using IppPtr = platform::IppMessagePtr;

// The request for printerURI (see printer_address.h), request id 1, every attribute in the
// operation group.
IppPtr NewMediaColDatabaseRequest(const std::string& printerURI);

// Sends request once to the printer at printerURI (see printer_address.h), followed by the bytes
// read from documentFd up to its end when it is not -1 (a regular file with its length, a pipe
// chunked), within the time-outs above, and reads its reply. noErr and the reply; or a failure
// status with the reason in error (naming the printer and the request), reply untouched. An IPP
// error status (0x0400 and up) is a failure: kPrinterStockRefused, or kPrinterStockBusy for a
// printer that is busy, unavailable or not accepting jobs for now; so is a printer asking for
// authentication, which is never given (no password is asked for, none is sent); a document that
// cannot be read is platform::ioErr.
platform::OSStatus ExchangeWithPrinter(const std::string& printerURI, const IppPtr& request, int documentFd,
                                       IppPtr& reply, std::string& error, std::stop_token stop = {});

// Sends the request to the printer at printerURI and turns its reply into stocks. noErr and the
// stocks; or a failure status with the reason in error (naming the printer), stocks untouched.
// A stop request ends the exchange early (as kPrinterStockNoAnswer).
platform::OSStatus RetrievePrinterStockLibrary(const std::string& printerURI, std::vector<Stock>& stocks,
                                               std::string& error, std::stop_token stop = {});

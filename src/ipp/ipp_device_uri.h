#pragma once
// The printer behind a queue's device URI, and the requests sent to it. A Korvo queue's is korvo://HOST[:PORT]/PATH, the IPP
// printer at that address (korvos://... over TLS); a queue of CUPS' own ipp backend has the
// printer's ipp:// or ipps:// URI itself. The port is IPP's own (631) when the URI names none.
#include <optional>
#include <string>
#include <string_view>

#include "platform/cups_library.h"
#include "platform/ipp_handles.h"

// The printer's IPP URI (ipp://HOST:PORT/PATH, or ipps://), without the user information a
// device URI may carry; none for a URI of another scheme or without a host.
std::optional<std::string> IppPrinterURIForDevice(std::string_view deviceURI);

// A request of operation to the printer (or queue) at printerURI, request id 1: the operation
// group's charset, language, printer-uri (or the URI attribute named, such as "job-uri") and the
// user's name.
platform::IppMessagePtr NewIppPrinterRequest(ipp_op_t operation, const std::string& printerURI,
                                             const char* uriAttribute = "printer-uri");

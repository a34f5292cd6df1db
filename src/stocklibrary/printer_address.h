#pragma once
// Where the printer's stock library is asked for: taken from the queue's device URI with
// libcups' URI parser. The host is required; the port and the resource path are kept only for
// the schemes that name an IPP or HTTP endpoint (ipp, ipps, http, https), since the port of any
// other scheme belongs to another protocol; the user information is never sent on. A URI without
// a host (file) or of an AppleTalk printer (pap) has no address.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

struct PrinterAddress {
  std::string host;
  int port = 0;
  std::string resource = "/";
  bool encrypted = false;  // ipps and https ask for TLS always; the others follow the user's setting
};

std::optional<PrinterAddress> PrinterAddressFromDeviceURI(std::string_view deviceURI);

// IPP bounds a URI at 1023 octets (RFC 8011 5.1.6); a longer one is never sent, nor cut.
inline constexpr std::size_t kIppURIOctets = 1023;

// None when uri fits IPP; else why it is refused, naming whose URI it is (the printer's unless
// said) and its length, and not holding it.
// Inline: the host checks a URI before any module is asked about it.
inline std::optional<std::string> IppURITooLong(std::string_view uri, std::string_view whose = "the printer's URI") {
  if (uri.size() <= kIppURIOctets) return std::nullopt;
  return std::string(whose) + " is " + std::to_string(uri.size()) + " octets long, longer than the " +
         std::to_string(kIppURIOctets) + " IPP allows; nothing is sent";
}

// The printer URI of the request: "http://host:port/resource" ("https://" when encrypted). It is
// also the address's text form, handed from the main thread to the worker.
std::string PrinterURIForAddress(const PrinterAddress& address);
// The same in the given scheme (lower case).
std::string PrinterURIForAddress(const PrinterAddress& address, const std::string& scheme);

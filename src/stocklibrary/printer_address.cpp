// The printer address from a device URI, split by libcups.
#include "stocklibrary/printer_address.h"

#include <array>
#include <strings.h>

#include "platform/cups_library.h"

namespace {

// Schemes whose port and path address an IPP endpoint.
bool KeepsPortAndPath(const char* scheme) {
  for (const char* s : {"ipp", "ipps", "http", "https"})
    if (strcasecmp(scheme, s) == 0) return true;
  return false;
}

bool IsEncryptedScheme(const char* scheme) { return strcasecmp(scheme, "ipps") == 0 || strcasecmp(scheme, "https") == 0; }

// The scheme's own port, for a URI that names none (libcups knows it only for lower-case schemes).
int DefaultPort(const char* scheme) {
  if (strcasecmp(scheme, "http") == 0) return 80;
  if (strcasecmp(scheme, "https") == 0) return 443;
  return ippPort();  // ipp and ipps
}

}  // namespace

std::optional<PrinterAddress> PrinterAddressFromDeviceURI(std::string_view deviceURI) {
  if (deviceURI.empty() || deviceURI.size() >= HTTP_MAX_URI) return std::nullopt;
  const std::string uri(deviceURI);
  std::array<char, 32> scheme{};
  std::array<char, HTTP_MAX_URI> user{}, host{}, resource{};
  int port = 0;
  // Nothing is decoded: the path goes to the printer as it was written (%2F stays %2F, %00 cuts
  // nothing), and the host's brackets of an IPv6 literal come back when the URI is put together.
  const http_uri_status_t status = httpSeparateURI(HTTP_URI_CODING_NONE, uri.c_str(), scheme.data(), scheme.size(),
                                                   user.data(), static_cast<int>(user.size()), host.data(),
                                                   static_cast<int>(host.size()), &port, resource.data(),
                                                   static_cast<int>(resource.size()));
  if (status < HTTP_URI_STATUS_OK || host[0] == '\0') return std::nullopt;
  if (strcasecmp(scheme.data(), "pap") == 0 || strcasecmp(scheme.data(), "file") == 0) return std::nullopt;
  PrinterAddress address;
  address.host = host.data();
  if (KeepsPortAndPath(scheme.data())) {
    address.port = port > 0 ? port : DefaultPort(scheme.data());
    if (resource[0] == '/') address.resource = resource.data();
    address.encrypted = IsEncryptedScheme(scheme.data());
  } else {
    address.port = ippPort();
  }
  return address;
}

std::string PrinterURIForAddress(const PrinterAddress& address) {
  return PrinterURIForAddress(address, address.encrypted ? "https" : "http");
}

std::string PrinterURIForAddress(const PrinterAddress& address, const std::string& scheme) {
  // Nothing is encoded, so an IPv6 literal gets its brackets here.
  const std::string host =
      address.host.find(':') != std::string::npos && address.host[0] != '[' ? "[" + address.host + "]" : address.host;
  std::array<char, HTTP_MAX_URI> uri{};
  if (httpAssembleURI(HTTP_URI_CODING_NONE, uri.data(), static_cast<int>(uri.size()), scheme.c_str(), nullptr,
                      host.c_str(), address.port, address.resource.c_str()) < HTTP_URI_STATUS_OK)
    return {};
  return uri.data();
}


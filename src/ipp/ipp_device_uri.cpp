// Device URI to printer URI, with libcups' URI parser.
#include "ipp/ipp_device_uri.h"

#include "platform/cups_library.h"

namespace {

constexpr int kIppPort = 631;

}  // namespace

std::optional<std::string> IppPrinterURIForDevice(std::string_view deviceURI) {
  char scheme[32], user[256], host[256], resource[1024];
  int port = 0;
  const std::string uri(deviceURI);
  if (httpSeparateURI(HTTP_URI_CODING_ALL, uri.c_str(), scheme, sizeof scheme, user, sizeof user, host, sizeof host,
                      &port, resource, sizeof resource) < HTTP_URI_STATUS_OK ||
      host[0] == '\0')
    return std::nullopt;
  const std::string_view given = scheme;
  const bool encrypted = given == "korvos" || given == "ipps";
  if (!encrypted && given != "korvo" && given != "ipp") return std::nullopt;
  // libcups knows no default port for the korvo schemes: it reports 0 when the URI names none.
  if (port <= 0) port = kIppPort;
  char printerURI[HTTP_MAX_URI];
  if (httpAssembleURI(HTTP_URI_CODING_ALL, printerURI, sizeof printerURI, encrypted ? "ipps" : "ipp", nullptr, host,
                      port, resource) != HTTP_URI_STATUS_OK)
    return std::nullopt;
  return std::string(printerURI);
}

platform::IppMessagePtr NewIppPrinterRequest(ipp_op_t operation, const std::string& printerURI,
                                             const char* uriAttribute) {
  platform::IppMessagePtr request(ippNew());
  ippSetOperation(request.get(), operation);
  ippSetRequestId(request.get(), 1);
  ipp_t* r = request.get();
  ippAddString(r, IPP_TAG_OPERATION, IPP_TAG_CHARSET, "attributes-charset", nullptr, "utf-8");
  ippAddString(r, IPP_TAG_OPERATION, IPP_TAG_LANGUAGE, "attributes-natural-language", nullptr, "en");
  ippAddString(r, IPP_TAG_OPERATION, IPP_TAG_URI, uriAttribute, nullptr, printerURI.c_str());
  ippAddString(r, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
  return request;
}

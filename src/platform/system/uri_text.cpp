#include "platform/system/uri_text.h"

#include <algorithm>

namespace platform {

std::string URIForMessages(std::string_view uri) {
  const std::size_t scheme = uri.find("://");
  if (scheme == std::string_view::npos) return std::string(uri);
  const std::size_t start = scheme + 3;
  const std::size_t end = std::min(uri.find_first_of("/?#", start), uri.size());
  const std::size_t at = uri.rfind('@', end == 0 ? 0 : end - 1);
  if (at == std::string_view::npos || at < start) return std::string(uri);
  const std::size_t colon = uri.find(':', start);
  if (colon == std::string_view::npos || colon > at) return std::string(uri);
  return std::string(uri.substr(0, colon)) + std::string(uri.substr(at));
}

}  // namespace platform

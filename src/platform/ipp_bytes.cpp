#include "platform/ipp_bytes.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

// libcups' read callback over the bytes not read yet.
ssize_t ReadRest(void* context, ipp_uchar_t* into, size_t wanted) {
  auto& rest = *static_cast<std::string_view*>(context);
  const std::size_t n = std::min(wanted, rest.size());
  if (n > 0) std::memcpy(into, rest.data(), n);
  rest.remove_prefix(n);
  return static_cast<ssize_t>(n);
}

}  // namespace

IppMessagePtr ReadIppMessage(std::string_view bytes) {
  IppMessagePtr message(ippNew());
  if (ippReadIO(&bytes, ReadRest, 1, nullptr, message.get()) != IPP_STATE_DATA) return nullptr;
  return message;
}

}  // namespace platform

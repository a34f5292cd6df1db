#pragma once
// Owning handles of what libcups' IPP API hands out, released by its own free functions.
#include <memory>

#include "platform/cups_library.h"

namespace platform {

struct IppFree {
  void operator()(ipp_t* ipp) const { ippDelete(ipp); }
  void operator()(http_t* http) const { httpClose(http); }
};

using IppMessagePtr = std::unique_ptr<ipp_t, IppFree>;
using HttpConnectionPtr = std::unique_ptr<http_t, IppFree>;

}  // namespace platform

#pragma once
// An IPP message read from bytes held in memory (a reply, a scheduler's answer, a fuzzer's input).
#include <string_view>

#include "platform/ipp_handles.h"

namespace platform {

// The one whole IPP message at the start of bytes; null when they hold none.
IppMessagePtr ReadIppMessage(std::string_view bytes);

}  // namespace platform

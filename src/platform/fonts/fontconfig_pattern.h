#pragma once
// An owning handle of a fontconfig pattern.
#include "platform/drawing/drawing_libraries.h"

#include <memory>

namespace platform {

struct FcPatternRelease {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using FcPatternPtr = std::unique_ptr<FcPattern, FcPatternRelease>;

}  // namespace platform

#pragma once
// Pictures read from files (PNG, JPEG, TIFF, GIF ... whatever gdk-pixbuf reads) as cairo image
// surfaces ready to be drawn.
#include <cstdint>
#include <string>

#include "platform/drawing/cairo_handles.h"

namespace platform {

// No picture a watermark needs comes near this many pixels; a larger one is refused from its
// header, before it is decoded.
inline constexpr std::int64_t kMaxPicturePixels = 50'000'000;

// The picture in the file at path, or null (and the reason, naming the file, in error) when it
// cannot be read: not a regular file, not a picture, damaged, or larger than kMaxPicturePixels.
CairoSurface LoadPictureFile(const std::string& path, std::string* error = nullptr);

}  // namespace platform

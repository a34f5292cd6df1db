#pragma once
// Pictures read from files (PNG, JPEG, TIFF, GIF ... whatever gdk-pixbuf reads) as cairo image
// surfaces ready to be drawn.
#include <string>

#include "platform/drawing/cairo_handles.h"

namespace platform {

// The picture in the file at path, or null (and the reason in error) when it cannot be read.
CairoSurface LoadPictureFile(const std::string& path, std::string* error = nullptr);

}  // namespace platform

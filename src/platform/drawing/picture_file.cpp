#include "platform/drawing/picture_file.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/drawing/drawing_libraries.h"
#include "platform/files/file_io.h"

namespace platform {

namespace {

// Owners of what gdk-pixbuf hands out. Not glib_handles.h's: its calls are bound when linked, and
// this file's only when a picture is first read.
struct PixbufUnref {
  void operator()(GdkPixbuf* pixbuf) const { g_object_unref(pixbuf); }
};
struct ErrorFree {
  void operator()(GError* error) const { g_error_free(error); }
};

// While it lives, gdk-pixbuf's own warnings are not printed: its loaders meet some damaged files
// (a GIF of no pixels named .png) with assertion messages on standard error before they give
// up, and the refusal is ours to say, in one line.
class QuietLoaders {
 public:
  QuietLoaders()
      : id_(g_log_set_handler("GdkPixbuf", static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING),
                              [](const gchar*, GLogLevelFlags, const gchar*, gpointer) {}, nullptr)) {}
  ~QuietLoaders() { g_log_remove_handler("GdkPixbuf", id_); }
  QuietLoaders(const QuietLoaders&) = delete;
  QuietLoaders& operator=(const QuietLoaders&) = delete;

 private:
  guint id_;
};

// One pixel of gdk-pixbuf's RGB(A) bytes as cairo's premultiplied native-endian ARGB word.
std::uint32_t PremultipliedARGB(const guchar* pixel, bool hasAlpha) {
  const std::uint32_t alpha = hasAlpha ? pixel[3] : 255;
  auto scaled = [alpha](guchar c) { return (std::uint32_t{c} * alpha + 127) / 255; };
  return (alpha << 24) | (scaled(pixel[0]) << 16) | (scaled(pixel[1]) << 8) | scaled(pixel[2]);
}

}  // namespace

CairoSurface LoadPictureFile(const std::string& path, std::string* error) {
  auto refuse = [&](std::string message) {
    if (error) *error = std::move(message);
    return nullptr;
  };
  if (std::optional<std::string> refused = CheckInputFile(path)) return refuse(*refused);
  const QuietLoaders quiet;
  int headerWidth = 0, headerHeight = 0;
  if (gdk_pixbuf_get_file_info(path.c_str(), &headerWidth, &headerHeight) == nullptr)
    return refuse(path + ": not a picture that can be read");
  if (std::int64_t{headerWidth} * headerHeight > kMaxPicturePixels)
    return refuse(path + ": a picture of " + std::to_string(headerWidth) + " by " + std::to_string(headerHeight) +
                  " pixels is larger than 50 megapixels");
  GError* failure = nullptr;
  std::unique_ptr<GdkPixbuf, PixbufUnref> pixbuf(gdk_pixbuf_new_from_file(path.c_str(), &failure));
  const std::unique_ptr<GError, ErrorFree> why(failure);
  if (!pixbuf) {
    if (error) *error = path + ": " + (why ? why->message : "not a picture");
    return nullptr;
  }
  const int width = gdk_pixbuf_get_width(pixbuf.get());
  const int height = gdk_pixbuf_get_height(pixbuf.get());
  const int channels = gdk_pixbuf_get_n_channels(pixbuf.get());
  const bool hasAlpha = gdk_pixbuf_get_has_alpha(pixbuf.get());
  if (gdk_pixbuf_get_bits_per_sample(pixbuf.get()) != 8 || channels < (hasAlpha ? 4 : 3)) {
    if (error) *error = path + ": a pixel layout that cannot be drawn";
    return nullptr;
  }
  CairoSurface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
    if (error) *error = path + ": the picture is too large to draw";
    return nullptr;
  }
  cairo_surface_flush(surface.get());
  const guchar* source = gdk_pixbuf_read_pixels(pixbuf.get());
  const auto sourceStride = static_cast<std::size_t>(gdk_pixbuf_get_rowstride(pixbuf.get()));
  unsigned char* target = cairo_image_surface_get_data(surface.get());
  const auto targetStride = static_cast<std::size_t>(cairo_image_surface_get_stride(surface.get()));
  for (std::size_t y = 0; y < static_cast<std::size_t>(height); ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(target + y * targetStride);
    for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x)
      row[x] = PremultipliedARGB(source + y * sourceStride + x * static_cast<std::size_t>(channels), hasAlpha);
  }
  cairo_surface_mark_dirty(surface.get());
  return surface;
}

}  // namespace platform

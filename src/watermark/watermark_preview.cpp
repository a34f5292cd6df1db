#include "watermark/watermark_preview.h"


#include "platform/drawing/cairo_handles.h"

#include <cmath>

namespace {

// The largest page drawn as a picture, in points on a side.
constexpr double kPictureSideLimit = 20000;

cairo_status_t PutIntoSink(void* closure, const unsigned char* data, unsigned int length) {
  auto* sink = static_cast<MemoryConsumer*>(closure);
  return length == 0 || MemoryConsumerPutBytes(sink, data, length) == length ? CAIRO_STATUS_SUCCESS
                                                                              : CAIRO_STATUS_WRITE_ERROR;
}

cairo_status_t AppendToString(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

bool UsablePage(double width, double height) {
  return std::isfinite(width) && std::isfinite(height) && width >= 1 && height >= 1;
}

}  // namespace

void DrawWatermarkLayer(cairo_t* cr, double width, double height, WatermarkData* record, double alpha,
                        GlyphFiling filing) {
  cairo_push_group(cr);
  DrawWatermark(WatermarkCanvas{cr, height, filing}, PageRect{0, 0, width, height}, record);
  cairo_pop_group_to_source(cr);
  cairo_paint_with_alpha(cr, alpha);
}

void PaintWatermarkPage(cairo_t* cr, double width, double height, WatermarkData* record, GlyphFiling filing) {
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  DrawWatermarkLayer(cr, width, height, record, record->textString.empty() ? 1.0 : record->density / 100.0, filing);
}

platform::OSStatus RenderPDFPage(MemoryConsumer* sink, double width, double height,
                                 const std::function<void(cairo_t*)>& paint) {
  if (sink == nullptr || !UsablePage(width, height)) return platform::paramErr;
  platform::CairoSurface pdf(cairo_pdf_surface_create_for_stream(PutIntoSink, sink, width, height));
  platform::CairoContext cr(cairo_create(pdf.get()));
  paint(cr.get());
  cairo_show_page(cr.get());
  const cairo_status_t drawn = cairo_status(cr.get());
  cr.reset();
  cairo_surface_finish(pdf.get());
  const cairo_status_t written = cairo_surface_status(pdf.get());
  return drawn == CAIRO_STATUS_SUCCESS && written == CAIRO_STATUS_SUCCESS ? platform::noErr : platform::ioErr;
}

platform::OSStatus RenderWatermarkPreview(WatermarkData* record, double width, double height, MemoryConsumer* sink) {
  if (record == nullptr) return platform::paramErr;
  const platform::OSStatus status =
      RenderPDFPage(sink, width, height, [&](cairo_t* cr) { PaintWatermarkPage(cr, width, height, record); });
  record->glyphs.clear();
  return status;
}

std::optional<std::string> RenderWatermarkPicture(WatermarkData* record, double width, double height,
                                                  GlyphFiling filing) {
  if (record == nullptr || !UsablePage(width, height) || width > kPictureSideLimit || height > kPictureSideLimit)
    return std::nullopt;
  platform::CairoSurface image(cairo_image_surface_create(
      CAIRO_FORMAT_ARGB32, static_cast<int>(std::ceil(width)), static_cast<int>(std::ceil(height))));
  platform::CairoContext cr(cairo_create(image.get()));
  PaintWatermarkPage(cr.get(), width, height, record, filing);
  if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) return std::nullopt;
  cr.reset();
  std::string png;
  if (cairo_surface_write_to_png_stream(image.get(), AppendToString, &png) != CAIRO_STATUS_SUCCESS)
    return std::nullopt;
  return png;
}

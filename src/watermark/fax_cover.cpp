#include "watermark/fax_cover.h"

#include "platform/drawing/cairo_handles.h"
#include "platform/fonts/font_face.h"
#include "watermark/watermark_preview.h"

namespace {

constexpr double kCoverTextSize = 12;
constexpr double kCoverMargin = 31;
constexpr double kCoverTextDrop = 72;
constexpr double kSectionGap = 12;

// The cover's two text faces, made on first use and kept for the process.
cairo_font_face_t* CoverFace(bool bold) {
  static const platform::CairoFontFace plain(
      cairo_toy_font_face_create("sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL));
  static const platform::CairoFontFace heavy(
      cairo_toy_font_face_create("sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD));
  return bold ? heavy.get() : plain.get();
}

void UseCoverFont(cairo_t* cr, bool bold) {
  cairo_set_font_face(cr, CoverFace(bold));
  cairo_set_font_size(cr, kCoverTextSize);
  platform::SetDeviceIndependentFontOptions(cr);
}

void PaintFaxCover(cairo_t* cr, const PageRect& page, const FaxCoverSection* const (&sections)[3],
                   WatermarkData* record) {
  const WatermarkCanvas canvas{cr, page.height};
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  const PageRect content{kCoverMargin, kCoverMargin, page.width - 2 * kCoverMargin, page.height - 2 * kCoverMargin};
  double y = content.y + content.height - kCoverTextDrop;
  cairo_set_source_rgb(cr, 0, 0, 0);
  for (const FaxCoverSection* section : sections) {
    if (section->text.empty()) continue;
    double x = content.x;
    UseCoverFont(cr, true);
    RenderWrappingText(canvas, section->label, content, &x, &y, content.width);
    x = content.x;
    UseCoverFont(cr, false);
    RenderWrappingText(canvas, section->text, content, &x, &y, content.width);
    y -= kSectionGap;
  }
  DrawWatermarkLayer(cr, page.width, page.height, record, record->density / 100.0);
}

}  // namespace

platform::OSStatus DrawFaxCover(MemoryConsumer* sink, const PageRect& page, const FaxCoverSection& sender,
                                const FaxCoverSection& recipients, const FaxCoverSection& notes,
                                WatermarkData* record) {
  if (record == nullptr) return platform::paramErr;
  const FaxCoverSection* const sections[3] = {&sender, &recipients, &notes};
  return RenderPDFPage(sink, page.width, page.height,
                       [&](cairo_t* cr) { PaintFaxCover(cr, page, sections, record); });
}

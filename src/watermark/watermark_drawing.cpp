#include "watermark/watermark_drawing.h"

#include "kit/preference_locations.h"
#include "platform/drawing/picture_file.h"
#include "platform/fonts/font_face.h"
#include "watermark/text_line_layout.h"
#include "watermark/watermark_file.h"

namespace {

constexpr double kPointsPerInch = 72.0;

void DrawTextWatermark(const WatermarkCanvas& context, const PageRect& page, WatermarkData* record) {
  auto font = platform::FindFontByPostScriptName(record->fontName);
  if (!font) return;
  auto line = LayOutTextLine(record->textString, platform::CreateFontFace(*font), record->fontSize, record->angle);
  if (!line) return;
  const double originX =
      page.x + page.width / 2 + kPointsPerInch * record->xOffset - (line->left + line->right) / 2;
  const double originY =
      page.y + page.height / 2 + kPointsPerInch * record->yOffset + (line->top + line->bottom) / 2;
  cairo_t* cr = context.cairo;
  cairo_set_source_rgba(cr, record->wellColorRed, record->wellColorGreen, record->wellColorBlue,
                        record->wellColorAlpha);
  DrawTextLine(cr, *line, originX, context.height - originY);

  record->glyphs.clear();
  for (const cairo_glyph_t& glyph : line->glyphs) record->glyphs.push_back(static_cast<std::uint16_t>(glyph.index));
  record->xPos = originX;
  record->yPos = originY;
  // Drawing reports nothing; a record that cannot be saved keeps its glyphs in memory only.
  if (context.filing == GlyphFiling::kSaveWithRecord) saveWatermarkData(kWatermarkFileName, *record);
}

void DrawPictureWatermark(const WatermarkCanvas& context, const PageRect& page, const WatermarkData& record) {
  if (record.scale <= 0) return;
  platform::CairoSurface picture = platform::LoadPictureFile(record.filePath);
  if (!picture) return;
  const double factor = record.scale / 100.0;
  const double width = cairo_image_surface_get_width(picture.get()) * factor;
  const double height = cairo_image_surface_get_height(picture.get()) * factor;
  const double left = page.x + (page.width - width) / 2;
  const double top = context.height - (page.y + (page.height + height) / 2);
  cairo_t* cr = context.cairo;
  cairo_save(cr);
  cairo_rectangle(cr, left, top, width, height);
  cairo_clip(cr);
  cairo_translate(cr, left, top);
  cairo_scale(cr, factor, factor);
  cairo_set_source_surface(cr, picture.get(), 0, 0);
  cairo_paint(cr);
  cairo_restore(cr);
}

}  // namespace

void DrawWatermark(const WatermarkCanvas& context, const PageRect& page, WatermarkData* record) {
  if (context.cairo == nullptr || record == nullptr) return;
  if (!record->textString.empty())
    DrawTextWatermark(context, page, record);
  else if (!record->filename.empty())
    DrawPictureWatermark(context, page, *record);
}

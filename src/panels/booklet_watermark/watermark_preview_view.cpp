// The panel's watermark preview: the saved watermark drawn on the session's page as a picture,
// kept in a private file that the preview shows by name.
#include <algorithm>
#include <cstdio>

#include "kit/preference_locations.h"
#include "panels/booklet_watermark/booklet_watermark_panel.h"
#include "platform/ui/drawn_images.h"
#include "watermark/watermark.h"

namespace ui = platform::ui;

namespace {

// The page fitted into the control and centred, in the coordinates of the control's bounds.
ui::Rect Fitted(const ui::Rect& area, double pageWidth, double pageHeight) {
  const double scale = std::min(area.width / pageWidth, area.height / pageHeight);
  const int width = static_cast<int>(pageWidth * scale), height = static_cast<int>(pageHeight * scale);
  return {area.x + (area.width - width) / 2, area.y + (area.height - height) / 2, width, height};
}

std::optional<std::string> DrawnPicture(const BookletWatermarkContext& c, PageSize& page) {
  WatermarkData record;
  std::string error;
  if (loadWatermarkData(kWatermarkFileName, c.watermark, &record, &error) != WatermarkResult::kDone) {
    std::fprintf(stderr, "ERROR: watermark \"%s\": %s\n", c.watermark.c_str(), error.c_str());
    return std::nullopt;
  }
  record.isText = !record.textString.empty();
  page = SessionPageSize(*c.session);
  return RenderWatermarkPicture(&record, page.width, page.height);
}

}  // namespace

void ShowWatermarkPreview(BookletWatermarkContext& c) {
  ui::Control* preview = c.controls.preview;
  if (preview == nullptr || c.session == nullptr || c.watermark == c.previewOf) return;
  c.previewOf = c.watermark;
  ui::SetDrawnImages(*preview, {});
  ui::SetDrawnSheets(*preview, {});
  if (c.watermark.empty()) return;
  PageSize page;
  const std::optional<std::string> picture = DrawnPicture(c, page);
  if (!picture) return;
  if (!c.previewFile) c.previewFile = std::make_unique<platform::PrivateTemporaryFile>("preview.png");
  std::string error;
  if (!c.previewFile->write(*picture, &error)) {
    std::fprintf(stderr, "ERROR: the watermark preview cannot be kept: %s\n", error.c_str());
    return;
  }
  const ui::Rect fitted = Fitted(preview->bounds(), page.width, page.height);
  ui::SetDrawnImages(*preview, {{c.previewFile->path(), fitted}});
  ui::SetDrawnSheets(*preview, {{fitted, false}});  // the page's edge, framed in black
}

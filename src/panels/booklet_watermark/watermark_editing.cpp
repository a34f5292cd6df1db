// New... and Edit... of the watermark pop-up: the editor on a fresh record or on the chosen one.
// Its OK files the record through the watermark file's own add or rename, in one write; a refusal
// (a name another watermark has, in any letter case, or a file that cannot be written) is shown
// while the editor stays open, and nothing has changed.
#include "kit/preference_locations.h"
#include "panels/booklet_watermark/booklet_watermark_panel.h"
#include "panels/booklet_watermark/watermark_editor_dialog.h"
#include "platform/ui/interaction.h"
#include "watermark/watermark.h"

namespace ui = platform::ui;

namespace {

std::string Localized(const BookletWatermarkContext& c, const char* key) {
  return c.bundle ? c.bundle->localizedString(key) : std::string(key);
}

void AlertNotSaved(const BookletWatermarkContext& c, const std::string& why) {
  ui::RunStandardAlert({ui::AlertLevel::Stop, Localized(c, "Watermark Not Saved"), why, {Localized(c, "OK")}});
}

// The record shown on the session's page, so that the editor limits its offsets to that page.
void ShowOnSessionPage(const BookletWatermarkContext& c, WatermarkData& record) {
  if (c.session == nullptr) return;
  const PageSize page = SessionPageSize(*c.session);
  record.pageWidth = page.width;
  record.pageHeight = page.height;
}

// Runs the editor; on OK the panel lists the saved watermarks anew and chooses the one filed.
void RunEditor(BookletWatermarkContext& c, WatermarkData record, const char* titleKey, const WatermarkStore& store) {
  ShowOnSessionPage(c, record);
  if (!TakeAnswer(RunModalWatermarkEditorDialog(c.bundle, record, titleKey, store), record)) return;
  c.watermarks = LoadSavedWatermarkNames(c.bundle, false);
  c.watermark = WatermarkName(record);
  c.previewOf.clear();  // the same name may now stand for another drawing
}

}  // namespace

void NewWatermark(BookletWatermarkContext& c) {
  WatermarkData record = DefaultWatermarkTemplate();
  RunEditor(c, record, "Watermark Editor", [&c](const WatermarkData& edited) {
    std::string error;
    if (addWatermarkData(kWatermarkFileName, edited, &error) == WatermarkResult::kDone) return true;
    AlertNotSaved(c, error);
    return false;
  });
}

void EditChosenWatermark(BookletWatermarkContext& c) {
  if (c.watermark.empty()) return;
  const std::string oldName = c.watermark;
  WatermarkData record;
  std::string error;
  if (loadWatermarkData(kWatermarkFileName, oldName, &record, &error) != WatermarkResult::kDone) {
    AlertNotSaved(c, error);
    return;
  }
  record.isText = !record.textString.empty();
  RunEditor(c, record, "Edit Watermark Title", [&c, &oldName](const WatermarkData& edited) {
    std::string why;
    if (renameWatermarkData(kWatermarkFileName, oldName, edited, &why) == WatermarkResult::kDone) return true;
    AlertNotSaved(c, why);
    return false;
  });
}

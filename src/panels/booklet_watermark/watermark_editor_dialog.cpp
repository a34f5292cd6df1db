// "Watermark Editor": the record edited on a copy and drawn as the user changes it. The preview
// keeps what the drawing lays out in memory, so that nothing reaches the watermark file before OK;
// OK hands the record to the caller's store, which files it in one write or says why not.
#include "panels/booklet_watermark/watermark_editor_dialog.h"

#include <cstdio>
#include <memory>

#include "controls/spin_control.h"
#include "kit/control_helpers.h"
#include "panels/booklet_watermark/watermark_editor_fields.h"
#include "platform/drawing/picture_file.h"
#include "platform/files/private_temporary_file.h"
#include "platform/ui/drawn_images.h"
#include "platform/ui/interaction.h"
#include "watermark/watermark.h"

namespace ui = platform::ui;

namespace {

std::string Localized(const platform::Bundle* bundle, const char* key) {
  return bundle ? bundle->localizedString(key) : std::string(key);
}

class WatermarkEditor {
 public:
  WatermarkEditor(const platform::Bundle* bundle, const WatermarkData& record) : bundle_(bundle), edited_(record) {}

  bool load(ui::Window& window) { return FindWatermarkEditorControls(window, &c_); }

  void install(ui::Window& window, std::vector<ui::EventHandlerRef>& handlers) {
    ShowWatermarkRecord(bundle_, c_, edited_);
    shownUnits_ = edited_.units == kWatermarkUnitsMillimetres ? kWatermarkUnitsMillimetres : kWatermarkUnitsInches;
    handlers.push_back(window.installHandler(
        {{ui::kEventClassControl, ui::kEventControlHit}, {ui::kEventClassTextField, ui::kEventTextDidChange}},
        [this](ui::Event& e) { return changed(e); }));
    // The spin fields' own handlers take their typing; their arrows then redraw the preview.
    for (ui::Control* arrows : {c_.sizeArrows, c_.angleArrows, c_.densityArrows, c_.xArrows, c_.yArrows, c_.scaleArrows})
      SetSpinControlRedrawControl(*arrows, *c_.preview);
    handlers.push_back(c_.preview->installHandler({{ui::kEventClassControl, ui::kEventControlDraw}}, [this](ui::Event&) {
      drawPreview();
      return platform::noErr;
    }));
    drawPreview();
  }

  // OK: a text the file cannot hold, or a picture that cannot be read, is said so, never cut or
  // filed; otherwise the store files it or says why not, and the editor stays open.
  bool accept(const WatermarkStore& store) {
    if (!WatermarkFieldsValid(c_)) {
      ui::Beep();
      return false;
    }
    edited_ = ReadWatermarkRecord(c_, edited_, shownUnits_);
    if (edited_.textString.size() > kWatermarkTextLimit) {
      ui::RunStandardAlert({ui::AlertLevel::Stop, Localized(bundle_, "Watermark Text Too Long"),
                            Localized(bundle_, "Watermark Text Too Long Message"), {Localized(bundle_, "OK")}});
      return false;
    }
    edited_.isText = c_.kind->value() != 2;
    // A text of blanks would print nothing, and be named by nothing one could tell apart.
    if (edited_.isText && edited_.textString.find_first_not_of(" \t\n\r\f\v") == std::string::npos) {
      ui::RunStandardAlert({ui::AlertLevel::Stop, Localized(bundle_, "Watermark Text Empty"),
                            Localized(bundle_, "Watermark Text Empty Message"), {Localized(bundle_, "OK")}});
      return false;
    }
    std::string why;
    if (!edited_.isText && !edited_.filePath.empty() && !platform::LoadPictureFile(edited_.filePath, &why)) {
      // A picture the print path could not draw is no watermark: said now, not found blank later.
      ui::RunStandardAlert({ui::AlertLevel::Stop, Localized(bundle_, "Watermark Not Saved"), why,
                            {Localized(bundle_, "OK")}});
      return false;
    }
    return !store || store(edited_);
  }

  const WatermarkData& edited() const { return edited_; }

 private:
  platform::OSStatus changed(ui::Event& e) {
    if (e.control == c_.choosePicture && e.eventClass == ui::kEventClassControl) choosePicture();
    if (e.control == c_.units || (e.control && e.control->parent() == c_.units)) {
      const std::int32_t units = c_.units->value() == 2 ? 1 : 0;
      if (units != shownUnits_) {  // the offsets, read in the units they were typed in, converted
        ShowWatermarkOffsetUnits(c_, ReadWatermarkRecord(c_, edited_, shownUnits_), units);
        shownUnits_ = units;
      }
    }
    EnableWatermarkKind(c_);
    drawPreview();
    return platform::eventNotHandledErr;  // the dialog's OK and Cancel come after
  }

  void choosePicture() {
    ui::FileRequest request;
    request.title = Localized(bundle_, "Watermark Choose Picture");
    request.types = {"png", "jpg", "jpeg"};
    if (std::optional<std::string> path = ui::ChooseFile(request)) c_.pictureFile->setText(*path);
  }

  // The page as it would print, drawn from what the controls say; the record drawn keeps its
  // glyphs to itself.
  void drawPreview() {
    if (drawing_) return;
    drawing_ = true;
    WatermarkData shown = ReadWatermarkRecord(c_, edited_, shownUnits_);
    shown.isText = !shown.textString.empty();
    const double width = edited_.pageWidth > 0 ? edited_.pageWidth : 612;
    const double height = edited_.pageHeight > 0 ? edited_.pageHeight : 792;
    std::optional<std::string> png = RenderWatermarkPicture(&shown, width, height, GlyphFiling::kKeepInMemory);
    std::string error;
    if (!file_) file_ = std::make_unique<platform::PrivateTemporaryFile>("editor-preview.png");
    if (png && file_->write(*png, &error)) {
      const ui::Rect area = c_.preview->bounds();
      const double scale = std::min(area.width / width, area.height / height);
      const int w = static_cast<int>(width * scale), h = static_cast<int>(height * scale);
      ui::SetDrawnImages(*c_.preview, {{file_->path(), {area.x + (area.width - w) / 2, area.y + (area.height - h) / 2, w, h}}});
    } else {
      ui::SetDrawnImages(*c_.preview, {});
      if (!error.empty()) std::fprintf(stderr, "ERROR: the watermark preview cannot be kept: %s\n", error.c_str());
    }
    drawing_ = false;
  }

  const platform::Bundle* bundle_;
  WatermarkData edited_;
  WatermarkEditorControls c_;
  std::int32_t shownUnits_ = 0;
  std::unique_ptr<platform::PrivateTemporaryFile> file_;
  bool drawing_ = false;
};

}  // namespace

DialogAnswer<WatermarkData> RunModalWatermarkEditorDialog(const platform::Bundle* bundle, const WatermarkData& record,
                                                          const char* titleKey, const WatermarkStore& store) {
  return RunDialog(bundle, {"WatermarkEditor", "Editor", {}}, record,
                   [&](ui::Window& window, WatermarkData& filed) -> std::optional<DialogWiring> {
                     auto editor = std::make_shared<WatermarkEditor>(bundle, filed);
                     if (!editor->load(window)) return std::nullopt;
                     SetLocalizedWindowTitle(bundle, titleKey, &window);
                     DialogWiring wiring;
                     wiring.state = editor;
                     editor->install(window, wiring.handlers);
                     wiring.acceptOK = [&e = *editor, &store] { return e.accept(store); };
                     wiring.collect = [&e = *editor, &filed] { filed = e.edited(); };
                     return wiring;
                   });
}

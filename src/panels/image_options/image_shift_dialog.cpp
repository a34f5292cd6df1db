// The image-shift set-up dialog, on a copy of the record: the fields follow the option's rules
// for side 2, the unit switch converts through the record, and OK is refused while a typed value
// lies outside its range.
#include "panels/image_options/image_shift_dialog.h"

#include <array>
#include <memory>
#include <utility>

#include "controls/spin_control.h"
#include "model/platform_keys.h"
#include "panels/image_options/image_options_panel.h"
#include "platform/ui/interaction.h"
#include "vocabulary/setting_map.h"
#include "vocabulary/setting_map_labels.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

constexpr const char* kHelpPage = "image_options/db_image_shift_d.htm";
constexpr std::int32_t kPaperSizeText = 962, kPlexText = 966, kOptionPopup = 964, kUnitsGroup = 983;
constexpr std::int32_t kInchesChoice = 1, kMillimetresChoice = 2;
constexpr std::int32_t kPlatformDuplexNone = 4;  // counted as one-sided

ui::Control* Find(ui::Window& window, std::int32_t id) { return window.find({kImageOptionsSignature, id}); }

// One of the four values: its field, its arrows and the record's member.
struct ShiftField {
  ui::Control* field = nullptr;
  ui::Control* arrows = nullptr;
  std::int32_t ImageShiftOptions::*value;
  bool isX;
};

class ImageShiftDialog {
 public:
  ImageShiftDialog(const platform::Bundle* bundle, ui::Window& window, ImageShiftOptions record, JobContext context)
      : bundle_(bundle), window_(window), record_(std::move(record)), context_(context) {}

  bool load() {
    option_ = Find(window_, kOptionPopup);
    units_ = Find(window_, kUnitsGroup);
    fields_ = {ShiftField{Find(window_, 972), Find(window_, 971), &ImageShiftOptions::x1, true},
               ShiftField{Find(window_, 974), Find(window_, 973), &ImageShiftOptions::y1, false},
               ShiftField{Find(window_, 977), Find(window_, 976), &ImageShiftOptions::x2, true},
               ShiftField{Find(window_, 979), Find(window_, 978), &ImageShiftOptions::y2, false}};
    if (units_ == nullptr || fields_[0].field == nullptr || fields_[1].field == nullptr) return false;
    for (ShiftField& f : fields_) {
      if (f.field == nullptr || f.arrows == nullptr) continue;
      SetSpinControlField(*f.arrows, *f.field);
      CreateSpinControl(f.arrows);
    }
    return true;
  }

  ui::EventHandlerRef install() {
    return window_.installHandler(
        {{ui::kEventClassControl, ui::kEventControlHit},
         {ui::kEventClassTextField, ui::kEventTextDidChange},
         {ui::kEventClassControl, ui::kEventControlSetFocusPart}},
        [this](ui::Event& e) { return handle(e); });
  }

  // Everything the record says, shown.
  void fill() {
    if (ui::Control* paper = Find(window_, kPaperSizeText))
      paper->setText(CopyLocalizedLabelForTicketValue(bundle_, StockSizeMap, record_.paperSize, context_).value_or(""));
    if (ui::Control* plex = Find(window_, kPlexText))
      plex->setText(CopyLocalizedLabelForTicketValue(bundle_, PlexMap, record_.plex, context_).value_or(""));
    if (option_ != nullptr) {
      const bool oneSided = record_.plex == 1 || record_.plex == kPrinterDefault;
      PopulatePopupButtonFromMap(bundle_, *option_, oneSided ? ImageShiftOptions1SidedMap : ImageShiftOptions2SidedMap,
                                 context_, 0);
      const std::int32_t shown = !record_.valid ? kPrinterDefault
                                 : record_.option == kImageShiftMirrorBothAlias ? kImageShiftMirrorBoth
                                                                                : record_.option;
      if (!SetPopupButtonToTicketValue(*option_, shown)) SetPopupButtonToTicketValue(*option_, kPrinterDefault);
      record_.option = GetPopupButtonTicketValue(*option_).value_or(kPrinterDefault);
    }
    units_->setValue(record_.inches ? kInchesChoice : kMillimetresChoice);
    showUnitAndValues();
    enable();
  }

  // The record with what the fields hold and side 2 following side 1.
  const ImageShiftOptions& collect() {
    takeValues();
    record_.applyOption();
    return record_;
  }

  // OK is taken only when every field holds what was typed; otherwise the field shows the value
  // its arrows were held at and the dialog stays.
  bool acceptOK() {
    for (ShiftField& f : fields_) {
      if (f.arrows == nullptr || SpinControlIsInputValid(f.arrows)) continue;
      ui::Beep();
      SetSpinControlValue(f.arrows, f.arrows->value());
      return false;
    }
    return true;
  }

  void defaults() {
    ImageShiftOptions fresh;
    fresh.paperSize = kPrinterDefault;
    fresh.plex = record_.plex;
    fresh.option = option_ != nullptr ? kImageShiftPrinterDefault : record_.option;
    record_ = fresh;
    fill();
  }

 private:
  platform::OSStatus handle(ui::Event& e) {
    ui::Control* c = e.control;
    if (c == nullptr) return platform::eventNotHandledErr;
    if (e.eventClass == ui::kEventClassControl && e.kind == ui::kEventControlHit) {
      if (c == option_) {
        takeValues();
        record_.option = GetPopupButtonTicketValue(*option_).value_or(kPrinterDefault);
        enable();
        followSide1();
      } else if (c == units_ || c->parent() == units_) {
        takeValues();
        record_.setInches(units_->value() == kInchesChoice);
        showUnitAndValues();
      } else if (isArrows(c)) {
        followSide1();
      }
      return platform::eventNotHandledErr;
    }
    if (isField(c)) followSide1();  // typing, and the focus moving among the fields
    return platform::eventNotHandledErr;
  }

  bool isArrows(const ui::Control* c) const {
    for (const ShiftField& f : fields_)
      if (f.arrows == c && c != nullptr) return true;
    return false;
  }
  bool isField(const ui::Control* c) const {
    for (const ShiftField& f : fields_)
      if (f.field == c && c != nullptr) return true;
    return false;
  }

  void takeValues() {
    for (ShiftField& f : fields_)
      if (f.arrows != nullptr) record_.*f.value = f.arrows->value();
  }

  // Ranges and decimals for the record's unit, then the values.
  void showUnitAndValues() {
    for (ShiftField& f : fields_) {
      if (f.arrows == nullptr) continue;
      const std::int32_t bound = f.isX ? record_.maxX() : record_.maxY();
      f.arrows->setMinimum(-bound);
      f.arrows->setMaximum(bound);
      SetSpinControlDecimals(*f.arrows, record_.inches ? 2 : 1);
      SetSpinControlValue(f.arrows, record_.*f.value);
    }
  }

  // Side-2 values that follow side 1 are shown as the option makes them; what the user types
  // is never rewritten while typing.
  void followSide1() {
    takeValues();
    record_.applyOption();
    const ImageShiftEditableFields editable = EditableImageShiftFields(record_.option, record_.plex);
    if (fields_[2].arrows && !editable.x2) SetSpinControlValue(fields_[2].arrows, record_.x2);
    if (fields_[3].arrows && !editable.y2) SetSpinControlValue(fields_[3].arrows, record_.y2);
  }

  void enable() {
    const ImageShiftEditableFields editable = EditableImageShiftFields(record_.option, record_.plex);
    const std::array<bool, 4> on = {editable.side1, editable.side1, editable.x2, editable.y2};
    for (std::size_t i = 0; i < fields_.size(); ++i) {
      if (fields_[i].field) fields_[i].field->setEnabled(on[i]);
      if (fields_[i].arrows) fields_[i].arrows->setEnabled(on[i]);
    }
  }

  const platform::Bundle* bundle_;
  ui::Window& window_;
  ImageShiftOptions record_;
  JobContext context_;
  ui::Control* option_ = nullptr;
  ui::Control* units_ = nullptr;
  std::array<ShiftField, 4> fields_{};
};

// The dialog on a copy of the record prepared for it; on OK the given options with the option,
// unit and four values the dialog chose.
DialogAnswer<ImageShiftOptions> Run(const platform::Bundle* bundle, const char* windowName, ImageShiftOptions record,
                                    JobContext context, ImageShiftOptions options) {
  return RunDialog(bundle, {kImageShiftInterfaceName, windowName, kHelpPage}, std::move(options),
                   [&](ui::Window& window, ImageShiftOptions& chosen) -> std::optional<DialogWiring> {
                     auto dialog = std::make_shared<ImageShiftDialog>(bundle, window, std::move(record), context);
                     if (!dialog->load()) return std::nullopt;
                     dialog->fill();
                     DialogWiring wiring;
                     wiring.state = dialog;
                     wiring.handlers.push_back(dialog->install());
                     wiring.acceptOK = [&d = *dialog] { return d.acceptOK(); };
                     wiring.defaults = [&d = *dialog] { d.defaults(); };
                     wiring.collect = [&d = *dialog, &chosen] {
                       const ImageShiftOptions& shown = d.collect();
                       chosen.valid = true;
                       chosen.option = shown.option;
                       chosen.inches = shown.inches;
                       chosen.x1 = shown.x1;
                       chosen.y1 = shown.y1;
                       chosen.x2 = shown.x2;
                       chosen.y2 = shown.y2;
                     };
                     return wiring;
                   });
}

// The platform's duplex setting as a plex: none (4) and no setting count as one-sided.
std::int32_t PlexFromSession(platform::PrintSession* session) {
  const platform::Ticket* settings = session ? session->ticket(platform::kPDE_PMPrintSettingsRef) : nullptr;
  const std::optional<std::int64_t> duplex = settings ? settings->getInteger(kPMDuplexingKey) : std::nullopt;
  if (!duplex || *duplex == kPlatformDuplexNone || *duplex < 1 || *duplex > 3) return 1;
  return static_cast<std::int32_t>(*duplex);
}

}  // namespace

DialogAnswer<ImageShiftOptions> RunModalImageShiftDialog(const platform::Bundle* bundle, platform::PrintSession* session,
                                                         const ImageShiftOptions& options, JobContext context) {
  ImageShiftOptions copy = options;
  if (copy.plex == kPrinterDefault) copy.plex = PlexFromSession(session);
  return Run(bundle, "ImageShift", std::move(copy), context, options);
}

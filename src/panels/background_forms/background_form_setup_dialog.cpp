// The background-form set-up: which form to merge with, how its pages apply to the job's, and
// the offset of its image in the unit the user picks. Offsets an importer stored in thousandths of
// a millimetre are shown in the unit and kept exact while the user leaves them alone.
#include <cmath>
#include <memory>
#include <optional>

#include "controls/spin_control.h"
#include "kit/control_helpers.h"
#include "panels/background_forms/background_form_dialogs.h"
#include "panels/background_forms/form_name_field.h"
#include "platform/ui/interaction.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

constexpr platform::OSType kSignature = platform::FourCharCode("KPDE");
constexpr const char* kHelpPage = "layout_watermark/db_background_form_d.htm";
constexpr std::int32_t kThroughoutJob = 1, kOnce = 2, kOnceThenRepeat = 3;
// How far the form's image may move, either way: ten inches.
constexpr std::int32_t kOffsetLimitHundredthsInch = 1000;

ui::Control* Find(ui::Window& w, std::int32_t id) { return w.find({kSignature, id}); }

// Field units (hundredths of an inch, tenths of a millimetre) of a length in thousandths of a
// millimetre, cut toward zero as typed decimals are; and between the two units.
std::int32_t FromThousandthsMm(std::int32_t value, bool inches) { return value / (inches ? 254 : 100); }
std::int32_t ConvertOffset(std::int32_t value, bool toInches) {
  return static_cast<std::int32_t>(std::lround(toInches ? value / 2.54 : value * 2.54));
}

struct Offset {
  ui::Control* arrows = nullptr;
  void show(std::int32_t value, bool inches) const {
    const std::int32_t limit = inches ? kOffsetLimitHundredthsInch : ConvertOffset(kOffsetLimitHundredthsInch, false);
    arrows->setMinimum(-limit);
    arrows->setMaximum(limit);
    SetSpinControlDecimals(*arrows, inches ? 2 : 1);
    ShowSpinControlValue(arrows, value);
  }
};

class SetupDialog {
 public:
  SetupDialog(const platform::Bundle* bundle, ui::Window& window, BackgroundFormsEdit& edited)
      : bundle_(bundle), window_(window), edited_(edited.options), fullPrecision_(edited.fullPrecision) {}

  bool load() {
    combo_ = Find(window_, 2003);
    apply_ = Find(window_, 2005);
    fromPage_ = Find(window_, 2008);
    units_ = Find(window_, 2018);
    ok_ = Find(window_, 1);
    x_.arrows = Find(window_, 2013);
    y_.arrows = Find(window_, 2016);
    for (auto [field, arrows] : {std::pair{2007, fromPage_}, std::pair{2012, x_.arrows}, std::pair{2015, y_.arrows}}) {
      ui::Control* f = Find(window_, field);
      if (f == nullptr || arrows == nullptr) return false;
      SetSpinControlField(*arrows, *f);
      CreateSpinControl(arrows);
    }
    return combo_ && apply_ && units_ && ok_ && units_->children().size() == 2;
  }

  void fill() {
    std::optional<std::string> merge;
    edited_.mergeWithString(&merge);
    name_.emplace(bundle_, *combo_, std::vector<ui::Control*>{ok_}, nullptr, kExistingFormsHistoryKey,
                  KComboValue(merge.value_or("")));
    std::int32_t apply = kThroughoutJob, cycle = 0, inches = 1, x = 0, y = 0;
    edited_.applyPagesFrom(&apply);
    edited_.cyclePages(&cycle);
    edited_.inches(&inches);
    edited_.xOffset(&x);
    edited_.yOffset(&y);
    SetPopupButtonToTicketValue(*apply_, apply >= kThroughoutJob && apply <= kOnceThenRepeat ? apply : kThroughoutJob);
    SetSpinControlValue(fromPage_, std::clamp(cycle, kMinCyclePages, kMaxCyclePages));
    if (ui::Control* range = Find(window_, 2009)) {
      std::string text = bundle_ ? bundle_->localizedString("FromFormPageRange") : "(%d-%d)";
      for (std::int32_t bound : {kMinCyclePages, kMaxCyclePages})
        if (auto at = text.find("%d"); at != std::string::npos) text.replace(at, 2, std::to_string(bound));
      range->setText(text);
    }
    inches_ = inches == 1;
    shownX_ = fullPrecision_ ? FromThousandthsMm(x, inches_) : x;
    shownY_ = fullPrecision_ ? FromThousandthsMm(y, inches_) : y;
    showUnits();
    x_.show(shownX_, inches_);
    y_.show(shownY_, inches_);
    enableFromPage();
  }

  ui::EventHandlerRef install() {
    return window_.installHandler({{ui::kEventClassControl, ui::kEventControlHit}}, [this](ui::Event& e) {
      if (e.control == apply_) enableFromPage();
      if (e.control != nullptr && (e.control == units_ || e.control->parent() == units_)) changeUnits();
      return platform::eventNotHandledErr;
    });
  }

  // OK needs a form name and every number as typed.
  bool accept() {
    for (ui::Control* arrows : {fromPage_, x_.arrows, y_.arrows})
      if (arrows->isReallyEnabled() && !SpinControlIsInputValid(arrows)) {
        ui::Beep();
        SetSpinControlValue(arrows, arrows->value());
        return false;
      }
    if (!name_->value()) {
      ui::Beep();
      return false;
    }
    return true;
  }

  // The options as confirmed; the precision flag cleared when the offsets were stored anew.
  void collect() {
    const std::optional<KComboValue> value = name_->value();
    const std::string name = value && std::holds_alternative<std::string>(*value) ? std::get<std::string>(*value) : "";
    edited_.setMergeWithString(name);
    edited_.setUseExistingForm(2);
    std::vector<std::string> names;
    edited_.existingFormsArray(&names);
    edited_.setExistingFormsArray(FormNamesWithFirst(std::move(names), name));
    name_->rememberTypedName();
    const std::int32_t apply = GetPopupButtonTicketValue(*apply_).value_or(kThroughoutJob);
    edited_.setApplyPagesFrom(apply);
    if (apply == kOnceThenRepeat) edited_.setCyclePages(fromPage_->value(), false);
    else edited_.setCyclePages(apply == kOnce ? 0 : 1, true);
    const bool offsetsKept = fullPrecision_ && !unitsChanged_ && x_.arrows->value() == shownX_ &&
                             y_.arrows->value() == shownY_;
    if (!offsetsKept) {
      edited_.setInches(inches_ ? 1 : 0);
      edited_.setXOffset(x_.arrows->value());
      edited_.setYOffset(y_.arrows->value());
      fullPrecision_ = false;
    }
  }

 private:
  void showUnits() {
    units_->setValue(inches_ ? 1 : 2);
    for (std::size_t i = 0; i < 2; ++i) units_->children()[i]->setValue((i == 0) == inches_ ? 1 : 0);
  }
  void enableFromPage() {
    const bool repeat = GetPopupButtonTicketValue(*apply_) == kOnceThenRepeat;
    fromPage_->setEnabled(repeat);
    if (ui::Control* field = Find(window_, 2007)) field->setEnabled(repeat);
  }
  void changeUnits() {
    const bool inches = units_->value() != 2;
    if (inches == inches_) return;
    const std::int32_t x = ConvertOffset(x_.arrows->value(), inches), y = ConvertOffset(y_.arrows->value(), inches);
    inches_ = inches;
    unitsChanged_ = true;
    x_.show(x, inches_);
    y_.show(y, inches_);
  }

  const platform::Bundle* bundle_;
  ui::Window& window_;
  BackgroundFormsOptions& edited_;
  bool& fullPrecision_;
  ui::Control *combo_ = nullptr, *apply_ = nullptr, *fromPage_ = nullptr, *units_ = nullptr, *ok_ = nullptr;
  Offset x_, y_;
  bool inches_ = true, unitsChanged_ = false;
  std::int32_t shownX_ = 0, shownY_ = 0;
  std::optional<FormNameField> name_;
};

}  // namespace

DialogAnswer<BackgroundFormsEdit> RunModalBackgroundFormSetupDialog(const platform::Bundle* bundle,
                                                                    const BackgroundFormsEdit& forms) {
  return RunDialog(bundle, {kBackgroundFormsInterfaceName, "Advanced", kHelpPage}, forms,
                   [bundle](ui::Window& window, BackgroundFormsEdit& edited) -> std::optional<DialogWiring> {
                     auto dialog = std::make_shared<SetupDialog>(bundle, window, edited);
                     if (!dialog->load()) return std::nullopt;
                     dialog->fill();
                     return WireDialog(std::move(dialog));
                   });
}

// The colour set-up dialog, on a copy of the options: four tabs, sliders mirrored by numeric
// fields, printer-default check boxes, profile pop-ups with their custom names, rendering intents
// that can move together. OK is refused while a typed value lies outside its range.
#include "panels/image_options/color_setup_dialog.h"

#include <array>
#include <memory>

#include "controls/spin_control.h"
#include "kit/control_helpers.h"
#include "kit/dialog_services.h"
#include "panels/image_options/color_setup_controls.h"
#include "platform/ui/interaction.h"
#include "vocabulary/setting_map.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

constexpr const char* kHelpPage = "image_options/color_window_d.htm";
constexpr std::int32_t kTabs = 100, kFirstTabPane = 101, kTabCount = 4;
constexpr std::int32_t kTrappingPopup = 201, kBlackOverprintPopup = 241;
constexpr std::int32_t kColorCastBox = 149, kSameRenderingBox = 405;
constexpr std::int32_t kTrappingOn = 1;
constexpr std::array<std::int32_t, 3> kRenderingPopups = {402, 403, 404};
constexpr std::array<std::int32_t, 2> kLinkPictures = {406, 407};
// Each adjustment's group: slider at base + 1, field + 2, arrows + 3, check box + 4.
constexpr std::array<std::int32_t, 8> kAdjustmentBases = {110, 120, 130, 150, 160, 170, 220, 230};

class ColorSetupDialog {
 public:
  ColorSetupDialog(const platform::Bundle* bundle, ui::Window& window, JobContext context)
      : bundle_(bundle), window_(window), context_(context) {}

  bool load() {
    for (std::size_t i = 0; i < kAdjustmentBases.size(); ++i) {
      ColorAdjustmentControls& a = c_.adjustments[i];
      const std::int32_t base = kAdjustmentBases[i];
      a.slider = find(base + 1);
      a.field = find(base + 2);
      a.arrows = find(base + 3);
      a.box = find(i >= kCyanRed && i <= kYellowBlue ? kColorCastBox : base + 4);
      if (!a.field || !a.arrows || !a.box) return false;
      SetSpinControlField(*a.arrows, *a.field);
      if (a.slider) {
        SetSpinControlMirror(*a.arrows, *a.slider);
        InstallSpinSliderAction(a.slider);
      }
      CreateSpinControl(a.arrows);
    }
    for (ProfilePopup& p : c_.profiles)
      if ((p.popup = find(p.id)) == nullptr) return false;
    for (std::size_t i = 0; i < kRenderingPopups.size(); ++i)
      if ((c_.rendering[i] = find(kRenderingPopups[i])) == nullptr) return false;
    c_.trapping = find(kTrappingPopup);
    c_.overprint = find(kBlackOverprintPopup);
    same_ = find(kSameRenderingBox);
    tabs_ = find(kTabs);
    for (int i = 0; i < kTabCount; ++i) panes_[static_cast<std::size_t>(i)] = find(kFirstTabPane + i);
    if (!c_.trapping || !c_.overprint || !same_ || !tabs_) return false;
    fillMenus();
    return true;
  }

  ui::EventHandlerRef install() {
    UpdateTabControl(*tabs_, kTabCount, panes_.data());
    return window_.installHandler({{ui::kEventClassControl, ui::kEventControlHit}},
                                  [this](ui::Event& e) { return handle(e); });
  }

  void show(const FullColorOptions& options) {
    ShowColorOptions(c_, options);
    enable();
  }
  FullColorOptions collect(const FullColorOptions& options) const { return CollectColorOptions(c_, options); }

  // OK is taken only when every field in play holds what was typed; otherwise its tab comes to
  // the front, the field shows the value its arrows were held at, and the dialog stays.
  bool acceptOK() {
    for (ColorAdjustmentControls& a : c_.adjustments) {
      if (!a.arrows->enabled() || SpinControlIsInputValid(a.arrows)) continue;
      showTabOf(*a.arrows);
      ui::Beep();
      SetSpinControlValue(a.arrows, a.arrows->value());
      return false;
    }
    return true;
  }

 private:
  ui::Control* find(std::int32_t id) { return window_.find({kColorSetupSignature, id}); }

  void showTabOf(const ui::Control& control) {
    for (int i = 0; i < kTabCount; ++i)
      if (panes_[static_cast<std::size_t>(i)] && panes_[static_cast<std::size_t>(i)]->find(control.id()) != nullptr)
        tabs_->setValue(i + 1);
    UpdateTabControl(*tabs_, kTabCount, panes_.data());
  }

  void fillMenus() {
    for (ProfilePopup& p : c_.profiles) PopulatePopupButtonFromMap(bundle_, *p.popup, p.map, context_, 0);
    for (ui::Control* popup : c_.rendering) PopulatePopupButtonFromMap(bundle_, *popup, ObjectRenderingMap, context_, 0);
    PopulatePopupButtonFromMap(bundle_, *c_.trapping, TrappingMap, context_, 0);
    PopulatePopupButtonFromMap(bundle_, *c_.overprint, BlackOverprintMap, context_, 0);
    const char* defaultKey = context_ == kJobContextJob ? "PrinterDefault" : "UseJobSetting";
    for (ColorAdjustmentControls& a : c_.adjustments) SetLocalizedControlTitle(bundle_, defaultKey, a.box);
  }

  // The trapping widths are in play only while trapping is on; a set check box takes its
  // slider and field out of play; the link pictures show while the intents move together.
  void enable() {
    const bool trappingOn = ChosenPopupValue(*c_.trapping) == kTrappingOn;
    for (std::size_t i = 0; i < c_.adjustments.size(); ++i) {
      ColorAdjustmentControls& a = c_.adjustments[i];
      const bool inPlay = i < kTrapHeight || trappingOn;
      a.box->setEnabled(inPlay);
      const bool on = inPlay && a.box->value() == 0;
      for (ui::Control* control : {a.slider, a.field, a.arrows})
        if (control) control->setEnabled(on);
    }
    for (std::int32_t id : kLinkPictures)
      if (ui::Control* link = find(id)) link->setVisible(same_->value() != 0);
  }

  // The custom row asks for the profile's name; without one the pop-up goes back.
  void chooseProfile(ProfilePopup& p) {
    const std::int32_t value = ChosenPopupValue(*p.popup);
    if (value == p.customIndex) {
      std::optional<std::string> name = AskCustomProfileName(bundle_, p.name);
      if (!name) {
        SetPopupButtonToTicketValue(*p.popup, p.shown);
        return;
      }
      p.name = std::move(name);
    }
    p.shown = value;
  }

  platform::OSStatus handle(ui::Event& e) {
    ui::Control* hit = e.control;
    if (hit == nullptr) return platform::eventNotHandledErr;
    if (hit == tabs_) {
      UpdateTabControl(*tabs_, kTabCount, panes_.data());
    } else {
      for (ProfilePopup& p : c_.profiles)
        if (hit == p.popup) chooseProfile(p);
      for (ui::Control* popup : c_.rendering)
        if (hit == popup && same_->value() != 0)
          for (ui::Control* other : c_.rendering) SetPopupButtonToTicketValue(*other, ChosenPopupValue(*popup));
      enable();  // check boxes, trapping and same rendering change what is in play
    }
    return platform::eventNotHandledErr;
  }

  const platform::Bundle* bundle_;
  ui::Window& window_;
  JobContext context_;
  ColorSetupControls c_;
  std::array<ui::Control*, kTabCount> panes_{};
  ui::Control* same_ = nullptr;
  ui::Control* tabs_ = nullptr;
};

}  // namespace

DialogAnswer<FullColorOptions> RunModalColorSetupDialog(const platform::Bundle* bundle, const FullColorOptions& options,
                                                        JobContext context) {
  return RunDialog(bundle, {kColorSetupInterfaceName, "ColorSetup", kHelpPage}, options,
                   [&](ui::Window& window, FullColorOptions& edited) -> std::optional<DialogWiring> {
                     auto dialog = std::make_shared<ColorSetupDialog>(bundle, window, context);
                     if (!dialog->load()) return std::nullopt;
                     dialog->show(edited);
                     DialogWiring wiring;
                     wiring.state = dialog;
                     wiring.handlers.push_back(dialog->install());
                     wiring.acceptOK = [&d = *dialog] { return d.acceptOK(); };
                     wiring.defaults = [&d = *dialog] { d.show(FullColorOptions{}); };
                     wiring.collect = [&d = *dialog, &edited] { edited = d.collect(edited); };
                     return wiring;
                   });
}

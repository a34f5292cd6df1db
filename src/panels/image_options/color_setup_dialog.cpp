// The colour set-up dialog, on a copy of the options: four tabs, sliders mirrored by numeric
// fields, printer-default check boxes, profile pop-ups with their custom names, rendering intents
// that can move together. OK is refused while a typed value lies outside its range.
#include "panels/image_options/color_setup_dialog.h"

#include <array>
#include <vector>

#include "controls/spin_control.h"
#include "kit/control_helpers.h"
#include "kit/dialog_services.h"
#include "panels/modal_dialog.h"
#include "platform/ui/interaction.h"
#include "vocabulary/setting_map.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

constexpr const char* kHelpPage = "image_options/color_window_d.htm";
constexpr std::int32_t kTabs = 100, kFirstTabPane = 101, kTabCount = 4;
constexpr std::int32_t kHelpButton = 3, kDefaultsButton = 4;
constexpr std::int32_t kTrappingPopup = 201, kBlackOverprintPopup = 241;
constexpr std::int32_t kColorCastBox = 149, kSameRenderingBox = 405;
constexpr std::int32_t kTrappingOn = 1;
constexpr std::array<std::int32_t, 3> kRenderingPopups = {402, 403, 404};
constexpr std::array<std::int32_t, 2> kLinkPictures = {406, 407};

// A value set by a field with arrows, a slider mirroring it when there is one, and the
// printer-default check box that takes it out of play.
struct Adjustment {
  ui::Control* slider = nullptr;
  ui::Control* field = nullptr;
  ui::Control* arrows = nullptr;
  ui::Control* box = nullptr;
};

struct ProfilePopup {
  ProfilePopup(std::int32_t popupID, const SettingMap* popupMap, std::int32_t custom)
      : id(popupID), map(popupMap), customIndex(custom) {}
  std::int32_t id;
  const SettingMap* map;
  std::int32_t customIndex;
  ui::Control* popup = nullptr;
  std::optional<std::string> name;
  std::int32_t shown = kPrinterDefault;  // what the pop-up goes back to when the name is not given
};

enum AdjustmentIndex { kLightness, kContrast, kSaturation, kCyanRed, kMagentaGreen, kYellowBlue, kTrapHeight, kTrapWidth };
enum ProfileIndex { kRGBImages, kRGBText, kCMYKImages, kCMYKText, kGrayImages, kGrayText, kDestination };

class ColorSetupDialog {
 public:
  ColorSetupDialog(const platform::Bundle* bundle, ui::Window& window, JobContext context)
      : bundle_(bundle), window_(window), context_(context) {}

  bool load() {
    constexpr std::array<std::int32_t, 8> bases = {110, 120, 130, 150, 160, 170, 220, 230};
    for (std::size_t i = 0; i < bases.size(); ++i) {
      Adjustment& a = adjustments_[i];
      a.slider = find(bases[i] + 1);
      a.field = find(bases[i] + 2);
      a.arrows = find(bases[i] + 3);
      a.box = find(i >= kCyanRed && i <= kYellowBlue ? kColorCastBox : bases[i] + 4);
      if (!a.field || !a.arrows || !a.box) return false;
      SetSpinControlField(*a.arrows, *a.field);
      if (a.slider) {
        SetSpinControlMirror(*a.arrows, *a.slider);
        InstallSpinSliderAction(a.slider);
      }
      CreateSpinControl(a.arrows);
    }
    for (ProfilePopup& p : profiles_)
      if ((p.popup = find(p.id)) == nullptr) return false;
    for (std::size_t i = 0; i < kRenderingPopups.size(); ++i)
      if ((rendering_[i] = find(kRenderingPopups[i])) == nullptr) return false;
    trapping_ = find(kTrappingPopup);
    overprint_ = find(kBlackOverprintPopup);
    same_ = find(kSameRenderingBox);
    tabs_ = find(kTabs);
    for (int i = 0; i < kTabCount; ++i) panes_[static_cast<std::size_t>(i)] = find(kFirstTabPane + i);
    if (!trapping_ || !overprint_ || !same_ || !tabs_) return false;
    fillMenus();
    return true;
  }

  void install() {
    handler_ = window_.installHandler({{ui::kEventClassControl, ui::kEventControlHit}},
                                      [this](ui::Event& e) { return handle(e); });
    UpdateTabControl(*tabs_, kTabCount, panes_.data());
  }

  // The controls as the options say (RestoreUIValuesFromData).
  void show(const FullColorOptions& o) {
    std::int32_t v[8];
    o.lightness(&v[kLightness]);
    o.contrast(&v[kContrast]);
    o.saturation(&v[kSaturation]);
    o.colorCast(&v[kCyanRed], &v[kMagentaGreen], &v[kYellowBlue]);
    o.trappingAdjustment(&v[kTrapWidth], &v[kTrapHeight]);
    for (std::size_t i = 0; i < adjustments_.size(); ++i) {
      Adjustment& a = adjustments_[i];
      a.box->setValue(v[i] == kPrinterDefault ? 1 : 0);
      SetSpinControlValue(a.arrows, v[i] == kPrinterDefault ? 0 : v[i]);
    }
    if (v[kCyanRed] == kPrinterDefault || v[kMagentaGreen] == kPrinterDefault || v[kYellowBlue] == kPrinterDefault)
      adjustments_[kCyanRed].box->setValue(1);
    std::int32_t value = kPrinterDefault;
    o.trapping(&value);
    select(*trapping_, value);
    o.blackOverprint(&value);
    select(*overprint_, value);
    auto profile = [&](ProfilePopup& p, platform::OSStatus (FullColorOptions::*get)(std::int32_t*, std::optional<std::string>*) const) {
      std::optional<std::string> name;
      (o.*get)(&value, &name);
      p.name = name;
      p.shown = select(*p.popup, value);
    };
    profile(profiles_[kRGBImages], &FullColorOptions::rgbImagesProfile);
    profile(profiles_[kRGBText], &FullColorOptions::rgbTextAndGraphicsProfile);
    profile(profiles_[kCMYKImages], &FullColorOptions::cmykImagesProfile);
    profile(profiles_[kCMYKText], &FullColorOptions::cmykTextAndGraphicsProfile);
    profile(profiles_[kDestination], &FullColorOptions::destinationProfile);
    for (auto [index, get] : {std::pair{kGrayImages, &FullColorOptions::grayImagesProfile},
                              std::pair{kGrayText, &FullColorOptions::grayTextAndGraphicsProfile}}) {
      ProfilePopup& p = profiles_[index];
      (o.*get)(&p.name);
      p.shown = select(*p.popup, p.name ? p.customIndex : kPrinterDefault);
    }
    o.imageObjectRendering(&value);
    select(*rendering_[0], value);
    o.textObjectRendering(&value);
    select(*rendering_[1], value);
    o.graphicObjectRendering(&value);
    select(*rendering_[2], value);
    enable();
  }

  // The options with what the controls hold (SaveUIValuesToData); what the dialog does not show
  // (the tone curve) stays as it was.
  FullColorOptions collect(FullColorOptions o) const {
    o.setLightness(adjusted(kLightness));
    o.setContrast(adjusted(kContrast));
    o.setSaturation(adjusted(kSaturation));
    o.setColorCast(adjusted(kCyanRed), adjusted(kMagentaGreen), adjusted(kYellowBlue));
    o.setTrapping(chosen(*trapping_));
    o.setTrappingAdjustment(adjusted(kTrapWidth), adjusted(kTrapHeight));
    o.setBlackOverprint(chosen(*overprint_));
    o.setRGBImagesProfile(chosen(*profiles_[kRGBImages].popup), profiles_[kRGBImages].name);
    o.setRGBTextAndGraphicsProfile(chosen(*profiles_[kRGBText].popup), profiles_[kRGBText].name);
    o.setCMYKImagesProfile(chosen(*profiles_[kCMYKImages].popup), profiles_[kCMYKImages].name);
    o.setCMYKTextAndGraphicsProfile(chosen(*profiles_[kCMYKText].popup), profiles_[kCMYKText].name);
    o.setDestinationProfile(chosen(*profiles_[kDestination].popup), profiles_[kDestination].name);
    for (auto [index, set] : {std::pair{kGrayImages, &FullColorOptions::setGrayImagesProfile},
                              std::pair{kGrayText, &FullColorOptions::setGrayTextAndGraphicsProfile}}) {
      const ProfilePopup& p = profiles_[index];
      (o.*set)(chosen(*p.popup) == p.customIndex ? p.name : std::nullopt);
    }
    o.setImageObjectRendering(chosen(*rendering_[0]));
    o.setTextObjectRendering(chosen(*rendering_[1]));
    o.setGraphicObjectRendering(chosen(*rendering_[2]));
    return o;
  }

  // OK is taken only when every field in play holds what was typed; otherwise its tab comes to
  // the front, the field shows the value its arrows were held at, and the dialog stays.
  bool acceptOK() {
    for (Adjustment& a : adjustments_) {
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
    for (ProfilePopup& p : profiles_) PopulatePopupButtonFromMap(bundle_, *p.popup, p.map, context_, 0);
    for (ui::Control* popup : rendering_) PopulatePopupButtonFromMap(bundle_, *popup, ObjectRenderingMap, context_, 0);
    PopulatePopupButtonFromMap(bundle_, *trapping_, TrappingMap, context_, 0);
    PopulatePopupButtonFromMap(bundle_, *overprint_, BlackOverprintMap, context_, 0);
    const char* defaultKey = context_ == kJobContextJob ? "PrinterDefault" : "UseJobSetting";
    for (Adjustment& a : adjustments_) SetLocalizedControlTitle(bundle_, defaultKey, a.box);
  }

  // Selects the row of value (the printer-default row when there is none) and answers the value
  // shown.
  static std::int32_t select(ui::Control& popup, std::int32_t value) {
    if (!SetPopupButtonToTicketValue(popup, value)) SetPopupButtonToTicketValue(popup, kPrinterDefault);
    return chosen(popup);
  }
  static std::int32_t chosen(const ui::Control& popup) { return GetPopupButtonTicketValue(popup).value_or(kPrinterDefault); }

  std::int32_t adjusted(std::size_t i) const {
    const Adjustment& a = adjustments_[i];
    return a.box->value() != 0 ? kPrinterDefault : a.arrows->value();
  }

  void enable() {
    const bool trappingOn = chosen(*trapping_) == kTrappingOn;
    for (std::size_t i = 0; i < adjustments_.size(); ++i) {
      Adjustment& a = adjustments_[i];
      const bool inPlay = i < kTrapHeight || trappingOn;
      a.box->setEnabled(inPlay);
      const bool on = inPlay && a.box->value() == 0;
      for (ui::Control* c : {a.slider, a.field, a.arrows})
        if (c) c->setEnabled(on);
    }
    for (std::int32_t id : kLinkPictures)
      if (ui::Control* link = find(id)) link->setVisible(same_->value() != 0);
  }

  void chooseProfile(ProfilePopup& p) {
    const std::int32_t value = chosen(*p.popup);
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
    ui::Control* c = e.control;
    if (c == nullptr) return platform::eventNotHandledErr;
    if (c == tabs_) {
      UpdateTabControl(*tabs_, kTabCount, panes_.data());
    } else if (c == find(kDefaultsButton)) {
      for (ProfilePopup& p : profiles_) p.name.reset();
      show(FullColorOptions{});
    } else if (c == find(kHelpButton)) {
      DisplayHelp(bundle_, kHelpPage, "");
    } else {
      for (ProfilePopup& p : profiles_)
        if (c == p.popup) chooseProfile(p);
      for (ui::Control* popup : rendering_)
        if (c == popup && same_->value() != 0)
          for (ui::Control* other : rendering_) SetPopupButtonToTicketValue(*other, chosen(*popup));
      enable();  // check boxes, trapping and same rendering change what is in play
    }
    return platform::eventNotHandledErr;
  }

  const platform::Bundle* bundle_;
  ui::Window& window_;
  JobContext context_;
  std::array<Adjustment, 8> adjustments_{};
  std::array<ProfilePopup, 7> profiles_{{{301, RGBSourceProfileMap, kCustomRGBProfileIndex},
                                         {302, RGBSourceProfileMap, kCustomRGBProfileIndex},
                                         {311, CMYKSourceProfileMap, kCustomCMYKProfileIndex},
                                         {312, CMYKSourceProfileMap, kCustomCMYKProfileIndex},
                                         {321, GraySourceProfileMap, 1},
                                         {322, GraySourceProfileMap, 1},
                                         {401, DestinationProfileMap, kCustomDestinationProfileIndex}}};
  std::array<ui::Control*, 3> rendering_{};
  std::array<ui::Control*, kTabCount> panes_{};
  ui::Control* trapping_ = nullptr;
  ui::Control* overprint_ = nullptr;
  ui::Control* same_ = nullptr;
  ui::Control* tabs_ = nullptr;
  ui::EventHandlerRef handler_;
};

}  // namespace

platform::OSStatus RunModalColorSetupDialog(const platform::Bundle* bundle, FullColorOptions* options,
                                            JobContext context, bool* accepted) {
  if (accepted) *accepted = false;
  if (options == nullptr) return platform::paramErr;
  std::unique_ptr<ui::Window> window = LoadDialogWindow(bundle, kColorSetupInterfaceName, "ColorSetup");
  if (window == nullptr) return kDialogNotLoadedErr;
  ColorSetupDialog dialog(bundle, *window, context);
  if (!dialog.load()) return kDialogNotLoadedErr;
  dialog.show(*options);
  dialog.install();
  if (!RunModalOKCancel(*window, [&] { return dialog.acceptOK(); })) return platform::noErr;
  *options = dialog.collect(*options);
  if (accepted) *accepted = true;
  return platform::noErr;
}

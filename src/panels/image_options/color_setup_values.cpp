// The full-colour options shown on the colour set-up dialog's controls and read back from them.
#include "controls/spin_control.h"
#include "panels/image_options/color_setup_controls.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

// An adjustment's value: the sentinel while its printer-default box is set.
std::int32_t Adjusted(const ColorSetupControls& c, std::size_t i) {
  const ColorAdjustmentControls& a = c.adjustments[i];
  return a.box->value() != 0 ? kPrinterDefault : a.arrows->value();
}

}  // namespace

std::int32_t SelectPopupValue(ui::Control& popup, std::int32_t value) {
  if (!SetPopupButtonToTicketValue(popup, value)) SetPopupButtonToTicketValue(popup, kPrinterDefault);
  return ChosenPopupValue(popup);
}

std::int32_t ChosenPopupValue(const ui::Control& popup) {
  return GetPopupButtonTicketValue(popup).value_or(kPrinterDefault);
}

void ShowColorOptions(ColorSetupControls& c, const FullColorOptions& o) {
  std::int32_t v[8];
  o.lightness(&v[kLightness]);
  o.contrast(&v[kContrast]);
  o.saturation(&v[kSaturation]);
  o.colorCast(&v[kCyanRed], &v[kMagentaGreen], &v[kYellowBlue]);
  o.trappingAdjustment(&v[kTrapWidth], &v[kTrapHeight]);
  for (std::size_t i = 0; i < c.adjustments.size(); ++i) {
    ColorAdjustmentControls& a = c.adjustments[i];
    a.box->setValue(v[i] == kPrinterDefault ? 1 : 0);
    ShowSpinControlValue(a.arrows, v[i] == kPrinterDefault ? 0 : v[i]);
  }
  // The three colour casts share one box.
  if (v[kCyanRed] == kPrinterDefault || v[kMagentaGreen] == kPrinterDefault || v[kYellowBlue] == kPrinterDefault)
    c.adjustments[kCyanRed].box->setValue(1);
  std::int32_t value = kPrinterDefault;
  o.trapping(&value);
  SelectPopupValue(*c.trapping, value);
  o.blackOverprint(&value);
  SelectPopupValue(*c.overprint, value);
  using ProfileGetter = platform::OSStatus (FullColorOptions::*)(std::int32_t*, std::optional<std::string>*) const;
  for (auto [index, get] : {std::pair<ColorProfileIndex, ProfileGetter>{kRGBImages, &FullColorOptions::rgbImagesProfile},
                            {kRGBText, &FullColorOptions::rgbTextAndGraphicsProfile},
                            {kCMYKImages, &FullColorOptions::cmykImagesProfile},
                            {kCMYKText, &FullColorOptions::cmykTextAndGraphicsProfile},
                            {kDestination, &FullColorOptions::destinationProfile}}) {
    ProfilePopup& p = c.profiles[index];
    p.name.reset();
    (o.*get)(&value, &p.name);
    p.shown = SelectPopupValue(*p.popup, value);
  }
  for (auto [index, get] : {std::pair{kGrayImages, &FullColorOptions::grayImagesProfile},
                            std::pair{kGrayText, &FullColorOptions::grayTextAndGraphicsProfile}}) {
    ProfilePopup& p = c.profiles[index];
    (o.*get)(&p.name);
    p.shown = SelectPopupValue(*p.popup, p.name ? p.customIndex : kPrinterDefault);
  }
  o.imageObjectRendering(&value);
  SelectPopupValue(*c.rendering[0], value);
  o.textObjectRendering(&value);
  SelectPopupValue(*c.rendering[1], value);
  o.graphicObjectRendering(&value);
  SelectPopupValue(*c.rendering[2], value);
}

FullColorOptions CollectColorOptions(const ColorSetupControls& c, FullColorOptions o) {
  o.setLightness(Adjusted(c, kLightness));
  o.setContrast(Adjusted(c, kContrast));
  o.setSaturation(Adjusted(c, kSaturation));
  o.setColorCast(Adjusted(c, kCyanRed), Adjusted(c, kMagentaGreen), Adjusted(c, kYellowBlue));
  o.setTrapping(ChosenPopupValue(*c.trapping));
  o.setTrappingAdjustment(Adjusted(c, kTrapWidth), Adjusted(c, kTrapHeight));
  o.setBlackOverprint(ChosenPopupValue(*c.overprint));
  using ProfileSetter = platform::OSStatus (FullColorOptions::*)(std::int32_t, std::optional<std::string>);
  for (auto [index, set] : {std::pair<ColorProfileIndex, ProfileSetter>{kRGBImages, &FullColorOptions::setRGBImagesProfile},
                            {kRGBText, &FullColorOptions::setRGBTextAndGraphicsProfile},
                            {kCMYKImages, &FullColorOptions::setCMYKImagesProfile},
                            {kCMYKText, &FullColorOptions::setCMYKTextAndGraphicsProfile},
                            {kDestination, &FullColorOptions::setDestinationProfile}}) {
    const ProfilePopup& p = c.profiles[index];
    (o.*set)(ChosenPopupValue(*p.popup), p.name);
  }
  // A gray profile keeps its name only while its pop-up holds the custom row.
  for (auto [index, set] : {std::pair{kGrayImages, &FullColorOptions::setGrayImagesProfile},
                            std::pair{kGrayText, &FullColorOptions::setGrayTextAndGraphicsProfile}}) {
    const ProfilePopup& p = c.profiles[index];
    (o.*set)(ChosenPopupValue(*p.popup) == p.customIndex ? p.name : std::nullopt);
  }
  o.setImageObjectRendering(ChosenPopupValue(*c.rendering[0]));
  o.setTextObjectRendering(ChosenPopupValue(*c.rendering[1]));
  o.setGraphicObjectRendering(ChosenPopupValue(*c.rendering[2]));
  return o;
}

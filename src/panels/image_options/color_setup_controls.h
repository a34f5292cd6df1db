#pragma once
// The colour set-up dialog's controls, and the full-colour options shown on them and read back
// from them (its RestoreUIValuesFromData and SaveUIValuesToData). Private to the dialog.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/full_color_options.h"
#include "platform/ui/control.h"
#include "vocabulary/setting_map.h"

// A value set by a field with arrows, a slider mirroring it when there is one, and the
// printer-default check box that takes it out of play.
struct ColorAdjustmentControls {
  platform::ui::Control* slider = nullptr;
  platform::ui::Control* field = nullptr;
  platform::ui::Control* arrows = nullptr;
  platform::ui::Control* box = nullptr;
};

// A profile pop-up with the custom name kept for it.
struct ProfilePopup {
  ProfilePopup(std::int32_t popupID, const SettingMap* popupMap, std::int32_t custom)
      : id(popupID), map(popupMap), customIndex(custom) {}
  std::int32_t id;
  const SettingMap* map;
  std::int32_t customIndex;
  platform::ui::Control* popup = nullptr;
  std::optional<std::string> name;
  std::int32_t shown = kPrinterDefault;  // what the pop-up goes back to when the name is not given
};

enum ColorAdjustmentIndex { kLightness, kContrast, kSaturation, kCyanRed, kMagentaGreen, kYellowBlue, kTrapHeight, kTrapWidth };
enum ColorProfileIndex { kRGBImages, kRGBText, kCMYKImages, kCMYKText, kGrayImages, kGrayText, kDestination };

struct ColorSetupControls {
  std::array<ColorAdjustmentControls, 8> adjustments{};
  std::array<ProfilePopup, 7> profiles{{{301, RGBSourceProfileMap, kCustomRGBProfileIndex},
                                        {302, RGBSourceProfileMap, kCustomRGBProfileIndex},
                                        {311, CMYKSourceProfileMap, kCustomCMYKProfileIndex},
                                        {312, CMYKSourceProfileMap, kCustomCMYKProfileIndex},
                                        {321, GraySourceProfileMap, 1},
                                        {322, GraySourceProfileMap, 1},
                                        {401, DestinationProfileMap, kCustomDestinationProfileIndex}}};
  std::array<platform::ui::Control*, 3> rendering{};  // image, text, graphic
  platform::ui::Control* trapping = nullptr;
  platform::ui::Control* overprint = nullptr;
};

// Selects the row of value (the printer-default row when there is none); answers the value shown.
std::int32_t SelectPopupValue(platform::ui::Control& popup, std::int32_t value);
// The chosen row's value; the printer default when there is none.
std::int32_t ChosenPopupValue(const platform::ui::Control& popup);

// Every control as the options say; the names kept for the profile pop-ups are the options'.
void ShowColorOptions(ColorSetupControls& controls, const FullColorOptions& options);
// The options with what the controls hold; what the dialog does not show (the tone curve) stays.
FullColorOptions CollectColorOptions(const ColorSetupControls& controls, FullColorOptions options);

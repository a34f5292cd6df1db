#pragma once
// How a control's text is drawn where it is not the theme's: its size in points and its colour.
// A renderer for a real window (or a test) reads it; the headless tree draws no text itself.
#include <cstdint>
#include <optional>

#include "platform/ui/control.h"

namespace platform::ui {

struct TextStyle {
  int points = 0;                     // 0: the theme's size
  std::optional<std::uint32_t> rgb;   // 0xRRGGBB; none: the theme's colour
  friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

inline constexpr std::uint32_t kWhiteRGB = 0xFFFFFF;

// The control's style; the theme's (the default style) until one is set.
TextStyle TextStyleOf(const Control& control);
void SetTextStyle(Control& control, TextStyle style);

}  // namespace platform::ui

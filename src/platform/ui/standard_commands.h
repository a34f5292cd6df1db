#pragma once
// The commands of the buttons every dialog has: interface descriptions name them by their four
// characters ("ok  ", "not!", "ahlp", "rvrt"), the code by these names.
#include "platform/four_char_code.h"

namespace platform::ui {

inline constexpr OSType kOKCommand = FourCharCode("ok  ");
inline constexpr OSType kCancelCommand = FourCharCode("not!");
inline constexpr OSType kHelpCommand = FourCharCode("ahlp");
inline constexpr OSType kDefaultsCommand = FourCharCode("rvrt");

}  // namespace platform::ui

#pragma once
// A control's help tag: the short text a window shows while the pointer rests on the control (a
// tooltip), kept as a property of the control so that any control kind can carry one.
#include <any>
#include <string>

#include "platform/ui/control.h"

namespace platform::ui {

inline constexpr OSType kHelpTagCreator = FourCharCode("Kplt");
inline constexpr OSType kHelpTagTag = FourCharCode("htag");

inline void SetHelpTag(Control& control, std::string text) {
  if (text.empty()) control.removeProperty(kHelpTagCreator, kHelpTagTag);
  else control.setProperty(kHelpTagCreator, kHelpTagTag, std::move(text));
}

// The control's help tag, or null when it has none.
inline const std::string* HelpTagOf(const Control& control) {
  const std::any* tag = control.property(kHelpTagCreator, kHelpTagTag);
  return tag != nullptr ? std::any_cast<std::string>(tag) : nullptr;
}

}  // namespace platform::ui

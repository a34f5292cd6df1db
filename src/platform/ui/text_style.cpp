#include "platform/ui/text_style.h"

#include <any>

#include "platform/four_char_code.h"

namespace platform::ui {
namespace {

constexpr OSType kToolkitCreator = FourCharCode("pltf");
constexpr OSType kTextStyleTag = FourCharCode("txst");

}  // namespace

TextStyle TextStyleOf(const Control& control) {
  const std::any* property = control.property(kToolkitCreator, kTextStyleTag);
  const auto* style = property ? std::any_cast<TextStyle>(property) : nullptr;
  return style ? *style : TextStyle{};
}

void SetTextStyle(Control& control, TextStyle style) { control.setProperty(kToolkitCreator, kTextStyleTag, style); }

}  // namespace platform::ui

// The custom profile name the colour set-up dialog asks for when a "Custom..." profile is chosen.
#include "kit/input_limiting.h"
#include "panels/image_options/color_setup_dialog.h"
#include "panels/modal_dialog.h"

namespace ui = platform::ui;

namespace {
constexpr ui::ControlID kNameFieldID{kColorSetupSignature, 11};
}  // namespace

std::optional<std::string> AskCustomProfileName(const platform::Bundle* bundle, const std::optional<std::string>& current) {
  std::unique_ptr<ui::Window> window = LoadDialogWindow(bundle, kColorSetupInterfaceName, "CustomProfileName");
  ui::Control* field = window ? window->find(kNameFieldID) : nullptr;
  if (field == nullptr) return std::nullopt;
  field->setText(current.value_or(""));
  LimitInputLengthAndCharacters(field, 0, static_cast<int>(kMaxProfileNameLength), nullptr);
  if (!RunModalOKCancel(*window) || field->text().empty()) return std::nullopt;
  return field->text();
}

// The custom profile name the colour set-up dialog asks for when a "Custom..." profile is chosen.
#include "kit/input_limiting.h"
#include "panels/image_options/color_setup_dialog.h"

namespace ui = platform::ui;

namespace {
constexpr ui::ControlID kNameFieldID{kColorSetupSignature, 11};
}  // namespace

std::optional<std::string> AskCustomProfileName(const platform::Bundle* bundle, const std::optional<std::string>& current) {
  DialogAnswer<std::string> name = RunDialog(
      bundle, {kColorSetupInterfaceName, "CustomProfileName", {}}, current.value_or(""),
      [](ui::Window& window, std::string& edited) -> std::optional<DialogWiring> {
        ui::Control* field = window.find(kNameFieldID);
        if (field == nullptr) return std::nullopt;
        field->setText(edited);
        LimitInputLengthAndCharacters(field, 0, static_cast<int>(kMaxProfileNameLength), nullptr);
        DialogWiring wiring;
        wiring.collect = [field, &edited] { edited = field->text(); };
        return wiring;
      });
  if (!name.record || name.record->empty()) return std::nullopt;
  return name.record;
}

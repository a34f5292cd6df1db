// "Custom...": a finishing the printer's operator reads as text, at most 30 characters.
#include "kit/input_limiting.h"
#include "panels/paper_output/finishing/finishing_dialogs.h"

namespace ui = platform::ui;

namespace {
constexpr ui::ControlID kTextFieldID{kFinishingSignature, 17};
constexpr int kMaximumCustomLength = 30;
}  // namespace

DialogAnswer<FinishingState> RunModalCustomFinishingDialog(const PaperOutputContext& context) {
  return RunDialog(context.bundle, {kFinishingInterfaceName, "Custom", {}}, context.finishing,
                   [](ui::Window& window, FinishingState& f) -> std::optional<DialogWiring> {
                     ui::Control* field = window.find(kTextFieldID);
                     if (field == nullptr) return std::nullopt;
                     field->setText(f.custom);
                     LimitInputLengthAndCharacters(field, 0, kMaximumCustomLength, nullptr);
                     DialogWiring wiring;
                     wiring.collect = [field, &f] {
                       f.code = kFinishingCustom;
                       f.custom = field->text();
                     };
                     return wiring;
                   });
}

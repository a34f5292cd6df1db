// "Custom...": a finishing the printer's operator reads as text, at most 30 characters.
#include "kit/input_limiting.h"
#include "panels/modal_dialog.h"
#include "panels/paper_output/finishing_dialogs.h"

namespace ui = platform::ui;

namespace {
constexpr ui::ControlID kTextFieldID{kFinishingSignature, 17};
constexpr int kMaximumCustomLength = 30;
}  // namespace

platform::OSStatus RunModalCustomFinishingDialog(PaperOutputContext* context) {
  if (context == nullptr) return platform::paramErr;
  std::unique_ptr<ui::Window> window = LoadDialogWindow(context->bundle, kFinishingInterfaceName, "Custom");
  ui::Control* field = window ? window->find(kTextFieldID) : nullptr;
  if (field == nullptr) return kDialogNotLoadedErr;
  field->setText(context->finishing.custom);
  LimitInputLengthAndCharacters(field, 0, kMaximumCustomLength, nullptr);
  if (!RunModalOKCancel(*window)) return platform::noErr;
  context->finishing.code = kFinishingCustom;
  context->finishing.custom = field->text();
  return platform::noErr;
}

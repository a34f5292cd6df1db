// The coil punch dialog: which edge the coil goes along. Only A4 and Letter sheets take it.
#include "panels/modal_dialog.h"
#include "panels/paper_output/finishing_dialog_template.h"
#include "panels/paper_output/finishing_dialogs.h"
#include "panels/paper_output/finishing_rules.h"
#include "panels/paper_output/paper_size_check.h"
#include "platform/ui/interaction.h"

namespace ui = platform::ui;

namespace {
constexpr ui::ControlID kSideGroupID{kFinishingSignature, 1};
}  // namespace

platform::OSStatus RunModalCoilPunchFinishingDialog(PaperOutputContext* context) {
  if (context == nullptr) return platform::paramErr;
  if (!PaperTakesCoilPunch(context->session)) {
    const std::string detail =
        context->bundle ? context->bundle->localizedString("CoilPunchPaperSizeErrorDetailedError") : "";
    dispalyInvalidInputAlert(context->bundle, "CoilPunchPaperSizeError", detail + "A4 and Letter.");
    return ui::userCanceledErr;
  }
  std::unique_ptr<ui::Window> window = LoadDialogWindow(context->bundle, kFinishingInterfaceName, "CoilPunch");
  ui::Control* group = window ? window->find(kSideGroupID) : nullptr;
  if (group == nullptr || group->children().size() != 2) return kDialogNotLoadedErr;
  const bool right = context->finishing.code == kFinishingCoilPunch && context->finishing.coil == kCoilRightBottom;
  ChooseOptionButton(*group, right ? 1 : 0);
  if (!RunModalOKCancel(*window)) return platform::noErr;
  context->finishing.coil = group->value() == 2 ? kCoilRightBottom : kCoilLeftTop;
  AfterCoilPunchDialog(context->finishing);
  return platform::noErr;
}

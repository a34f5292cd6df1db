// "Z Fold Half Sheet...": which edge the z-folded half sheet binds on.
#include "kit/control_helpers.h"
#include "panels/modal_dialog.h"
#include "panels/paper_output/finishing_dialogs.h"
#include "vocabulary/setting_map.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {
constexpr ui::ControlID kSidePopupID{kFinishingSignature, 16};
}  // namespace

platform::OSStatus RunModalZFoldFinishingDialog(PaperOutputContext* context) {
  if (context == nullptr) return platform::paramErr;
  std::unique_ptr<ui::Window> window = LoadDialogWindow(context->bundle, kFinishingInterfaceName, "ZFoldHalfSheet");
  ui::Control* side = window ? window->find(kSidePopupID) : nullptr;
  if (side == nullptr) return kDialogNotLoadedErr;
  // A position map: the item's place says the side, 1 left bind (38), 2 right bind (39).
  PopulatePopupButtonFromMap(context->bundle, *side, ZFoldMap, kJobContextJob, 0);
  side->setValue(context->finishing.zFold == kZFoldRightBind ? 2 : 1);
  if (!RunModalOKCancel(*window)) return platform::noErr;
  FinishingState& f = context->finishing;
  f.zFold = side->value() == 2 ? kZFoldRightBind : kZFoldLeftBind;
  f.code = kFinishingZFoldHalfSheet;
  f.staple1 = f.staple2 = f.stapleCenter = 0;
  SquareFoldAndTrimOff(f);
  return platform::noErr;
}

// "Z Fold Half Sheet...": which edge the z-folded half sheet binds on.
#include "kit/control_helpers.h"
#include "panels/paper_output/finishing/finishing_dialogs.h"
#include "vocabulary/setting_map.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {
constexpr ui::ControlID kSidePopupID{kFinishingSignature, 16};
}  // namespace

DialogAnswer<FinishingState> RunModalZFoldFinishingDialog(const PaperOutputContext& context) {
  return RunDialog(context.bundle, {kFinishingInterfaceName, "ZFoldHalfSheet", {}}, context.finishing,
                   [&](ui::Window& window, FinishingState& f) -> std::optional<DialogWiring> {
                     ui::Control* side = window.find(kSidePopupID);
                     if (side == nullptr) return std::nullopt;
                     // A position map: the item's place says the side, 1 left bind (38), 2 right bind (39).
                     PopulatePopupButtonFromMap(context.bundle, *side, ZFoldMap, kJobContextJob, 0);
                     side->setValue(f.zFold == kZFoldRightBind ? 2 : 1);
                     DialogWiring wiring;
                     wiring.collect = [side, &f] {
                       f.zFold = side->value() == 2 ? kZFoldRightBind : kZFoldLeftBind;
                       f.code = kFinishingZFoldHalfSheet;
                       f.staple1 = f.staple2 = f.stapleCenter = 0;
                       SquareFoldAndTrimOff(f);
                     };
                     return wiring;
                   });
}

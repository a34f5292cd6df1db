// "Z Fold Half Sheet...": which edge the z-folded half sheet binds on.
#include "kit/control_helpers.h"
#include "model/finishing_folds.h"
#include "panels/paper_output/finishing/finishing_dialogs.h"
#include "vocabulary/setting_map.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {
constexpr ui::ControlID kSidePopupID{kFinishingSignature, 16};

// The side at the popup's 1-based place, the first side for any other place.
const ZFoldSide& SideAt(std::int32_t place) {
  const bool known = place >= 1 && place <= static_cast<std::int32_t>(std::size(kZFoldSides));
  return kZFoldSides[known ? static_cast<std::size_t>(place - 1) : 0];
}
std::int32_t PlaceOf(std::int32_t zFold) {
  const ZFoldSide* side = RowWith(kZFoldSides, &ZFoldSide::stored, zFold);
  return side == nullptr ? 1 : static_cast<std::int32_t>(side - kZFoldSides) + 1;
}
}  // namespace

DialogAnswer<FinishingState> RunModalZFoldFinishingDialog(const PaperOutputContext& context) {
  return RunDialog(context.bundle, {kFinishingInterfaceName, "ZFoldHalfSheet", {}}, context.finishing,
                   [&](ui::Window& window, FinishingState& f) -> std::optional<DialogWiring> {
                     ui::Control* side = window.find(kSidePopupID);
                     if (side == nullptr) return std::nullopt;
                     // A position map: the item's place says the side, in the sides' order.
                     PopulatePopupButtonFromMap(context.bundle, *side, ZFoldMap, kJobContextJob, 0);
                     side->setValue(PlaceOf(f.zFold));
                     DialogWiring wiring;
                     wiring.collect = [side, &f] {
                       f.zFold = SideAt(side->value()).stored;
                       f.code = kFinishingZFoldHalfSheet;
                       f.staple1 = f.staple2 = f.stapleCenter = 0;
                       SquareFoldAndTrimOff(f);
                     };
                     return wiring;
                   });
}

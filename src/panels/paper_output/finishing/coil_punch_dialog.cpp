// The coil punch dialog: which edge the coil goes along. Only A4 and Letter sheets take it.
#include "model/finishing_positions.h"
#include "panels/paper_output/finishing/finishing_dialog_template.h"
#include "panels/paper_output/finishing/finishing_dialogs.h"
#include "panels/paper_output/finishing/finishing_rules.h"
#include "panels/paper_output/paper_size_check.h"
#include "platform/ui/interaction.h"

namespace ui = platform::ui;

namespace {
constexpr ui::ControlID kSideGroupID{kFinishingSignature, 1};
}  // namespace

DialogAnswer<FinishingState> RunModalCoilPunchFinishingDialog(const PaperOutputContext& context) {
  if (!PaperTakesCoilPunch(context.session)) {
    const std::string detail =
        context.bundle ? context.bundle->localizedString("CoilPunchPaperSizeErrorDetailedError") : "";
    DisplayInvalidInputAlert(context.bundle, "CoilPunchPaperSizeError", detail + "A4 and Letter.");
    return {ui::userCanceledErr, std::nullopt};
  }
  return RunDialog(context.bundle, {kFinishingInterfaceName, "CoilPunch", {}}, context.finishing,
                   [](ui::Window& window, FinishingState& f) -> std::optional<DialogWiring> {
                     ui::Control* group = window.find(kSideGroupID);
                     if (group == nullptr || group->children().size() != 2) return std::nullopt;
                     const CoilPunchPosition* current =
                         RowWith(kCoilPunchPositions, &CoilPunchPosition::stored, f.coil);
                     ChooseOptionButton(*group, f.code == kFinishingCoilPunch && current != nullptr
                                                    ? static_cast<std::size_t>(current - kCoilPunchPositions)
                                                    : 0);
                     DialogWiring wiring;
                     wiring.collect = [group, &f] {
                       f.coil = kCoilPunchPositions[group->value() == 2 ? 1 : 0].stored;
                       AfterCoilPunchDialog(f);
                     };
                     return wiring;
                   });
}

// "Fold...": the folds the printer's folder offers. A bi-fold can be square-folded and trimmed;
// the square fold and trim settings made from here are taken over only on OK.
#include <algorithm>
#include <memory>

#include "kit/control_helpers.h"
#include "panels/paper_output/finishing/finishing_dialog_template.h"
#include "panels/paper_output/finishing/finishing_dialogs.h"
#include "panels/paper_output/finishing/finishing_features.h"
#include "platform/ui/interaction.h"

namespace ui = platform::ui;

namespace {

constexpr ui::ControlID kOptionGroupID{kFinishingSignature, 1};
constexpr ui::ControlID kSquareFoldButtonID{kFinishingSignature, 4};
constexpr ui::ControlID kTrimButtonID{kFinishingSignature, 5};
constexpr platform::OSType kSquareFoldCommand = platform::FourCharCode("SqFd");
constexpr platform::OSType kTrimCommand = platform::FourCharCode("Trim");
constexpr const char* kFoldHelpPage = "paper_output/finishing/db_folding_d.htm";

bool IsBiFold(std::int32_t fold) {
  const FoldFacts* facts = FoldOf(fold);
  return facts != nullptr && facts->kind == FoldKind::BiFold;
}

// The folds of the dialog: those of its kinds that the printer offers, in table order.
bool Offered(const FoldFacts& fold) {
  return IsAdvancedFold(fold.kind) && !fold.feature.empty() && FinishingFeatureInstalled(fold.feature);
}

}  // namespace

bool AnyAdvancedFoldInstalled() {
  for (const FoldFacts& fold : kFolds)
    if (Offered(fold)) return true;
  return false;
}

DialogAnswer<FinishingState> RunModalAdvancedFoldFinishingDialog(const PaperOutputContext& context) {
  auto options = std::make_shared<std::vector<FinishingOption>>();
  for (const FoldFacts& fold : kFolds)
    if (Offered(fold)) options->push_back({fold.dialogLabel, {}, fold.stored});
  if (options->empty()) return {platform::paramErr, std::nullopt};
  return RunDialog(context.bundle, {kFinishingInterfaceName, "AdvancedFold", kFoldHelpPage}, context.finishing,
                   [&](ui::Window& window, FinishingState& working) -> std::optional<DialogWiring> {
    ui::Control* group = window.find(kOptionGroupID);
    ui::Control* squareButton = window.find(kSquareFoldButtonID);
    ui::Control* trimButton = window.find(kTrimButtonID);
    if (group == nullptr || squareButton == nullptr || trimButton == nullptr) return std::nullopt;
    SetLocalizedWindowTitle(context.bundle, "Fold", &window);
    AddOptionButtons(context.bundle, *group, nullptr, *options);
    ChooseOptionButton(*group, PlaceOfValue(*options, working.fold));
    auto chosenFold = [group, options] {
      const std::int32_t place = std::clamp(group->value(), 1, static_cast<std::int32_t>(options->size()));
      return (*options)[static_cast<std::size_t>(place - 1)].value;
    };
    auto follow = [=, available = context.squareFoldAvailable] {
      const bool enable = IsBiFold(chosenFold()) && available;
      squareButton->setEnabled(enable);
      trimButton->setEnabled(enable);
    };
    follow();
    DialogWiring wiring;
    wiring.state = options;
    wiring.handlers.push_back(group->installHandler({{ui::kEventClassControl, ui::kEventControlHit}}, [=](ui::Event&) {
      follow();
      return platform::noErr;
    }));
    // Square fold and trim are set on the dialog's own copy, and so taken over only on its OK.
    wiring.handlers.push_back(window.installHandler(
        {{ui::kEventClassCommand, ui::kEventCommandProcess}},
        [bundle = context.bundle, session = context.session, &working](ui::Event& e) {
          if (e.command == kSquareFoldCommand) {
            TakeAnswer(RunModalSquareFoldDialog(bundle, session, working), working);
          } else if (e.command == kTrimCommand) {
            TakeAnswer(RunModalTrimOutsideEdgeDialog(bundle, session, working), working);
          } else {
            return platform::eventNotHandledErr;
          }
          return platform::noErr;
        }));
    wiring.collect = [chosenFold, &working] {
      FinishingState& f = working;
      f.code = kFinishingAdvancedFold;
      f.fold = chosenFold();
      f.staple1 = f.staple2 = f.stapleCenter = 0;
      f.holePunchValue = 0;
      f.zFold = 0;
      f.bind = 0;
      f.squareFoldOn = f.squareFoldOn && IsBiFold(f.fold);
      f.trimOn = f.trimOn && IsBiFold(f.fold);
    };
    return wiring;
  });
}

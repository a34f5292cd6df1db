// "Fold...": the folds the printer's folder offers. A bi-fold can be square-folded and trimmed;
// the square fold and trim settings made from here are taken over only on OK.
#include <algorithm>
#include <array>
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

struct AdvancedFold {
  const char* titleKey;
  std::string_view feature;
  std::int32_t fold;
};
constexpr std::array<AdvancedFold, 7> kAdvancedFolds = {{
    {"Bi Fold Single Inside Option", "BiFoldSingleInside", 41},
    {"Bi Fold Single Outside Option", "BiFoldSingleOutside", 42},
    {"Bi Fold Multiple Inside Option", "BiFoldMultiple", 43},
    {"C Fold Inside Option", "CFoldSingleInside", 45},
    {"C Fold Outside Option", "CFoldSingleOutside", 46},
    {"Z Fold Inside Option", "ZFoldSingleInside", 47},
    {"Z Fold Outside Option", "ZFoldSingleOutside", 48},
}};

bool IsBiFold(std::int32_t fold) { return fold >= 41 && fold <= 44; }

}  // namespace

bool AnyAdvancedFoldInstalled() {
  for (const AdvancedFold& option : kAdvancedFolds)
    if (FinishingFeatureInstalled(option.feature)) return true;
  return false;
}

DialogAnswer<FinishingState> RunModalAdvancedFoldFinishingDialog(const PaperOutputContext& context) {
  auto options = std::make_shared<std::vector<FinishingOption>>();
  for (const AdvancedFold& option : kAdvancedFolds)
    if (FinishingFeatureInstalled(option.feature)) options->push_back({option.titleKey, {}, option.fold});
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

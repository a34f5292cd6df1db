// "Fold...": the folds the printer's folder offers. A bi-fold can be square-folded and trimmed;
// the square fold and trim settings made from here are taken over only on OK.
#include <algorithm>
#include <array>

#include "kit/control_helpers.h"
#include "kit/dialog_services.h"
#include "panels/modal_dialog.h"
#include "panels/paper_output/finishing_dialog_template.h"
#include "panels/paper_output/finishing_dialogs.h"
#include "panels/paper_output/finishing_features.h"
#include "platform/ui/interaction.h"

namespace ui = platform::ui;

namespace {

constexpr ui::ControlID kOptionGroupID{kFinishingSignature, 1};
constexpr ui::ControlID kSquareFoldButtonID{kFinishingSignature, 4};
constexpr ui::ControlID kTrimButtonID{kFinishingSignature, 5};
constexpr ui::ControlID kHelpButtonID{kFinishingSignature, 6};
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

platform::OSStatus RunModalAdvancedFoldFinishingDialog(PaperOutputContext* context) {
  if (context == nullptr) return platform::paramErr;
  std::vector<FinishingOption> options;
  for (const AdvancedFold& option : kAdvancedFolds)
    if (FinishingFeatureInstalled(option.feature)) options.push_back({option.titleKey, {}, option.fold});
  if (options.empty()) return platform::paramErr;
  std::unique_ptr<ui::Window> own = LoadDialogWindow(context->bundle, kFinishingInterfaceName, "AdvancedFold");
  ui::Control* ownGroup = own ? own->find(kOptionGroupID) : nullptr;
  ui::Control* squareButton = own ? own->find(kSquareFoldButtonID) : nullptr;
  ui::Control* trimButton = own ? own->find(kTrimButtonID) : nullptr;
  if (ownGroup == nullptr || squareButton == nullptr || trimButton == nullptr) return kDialogNotLoadedErr;
  SetLocalizedWindowTitle(context->bundle, "Fold", own.get());
  AddOptionButtons(context->bundle, *ownGroup, nullptr, options);
  ChooseOptionButton(*ownGroup, PlaceOfValue(options, context->finishing.fold));

  FinishingState working = context->finishing;
  auto chosenFold = [&] {
    const std::int32_t place = std::clamp(ownGroup->value(), 1, static_cast<std::int32_t>(options.size()));
    return options[static_cast<std::size_t>(place - 1)].value;
  };
  auto follow = [&] {
    const bool enable = IsBiFold(chosenFold()) && context->squareFoldAvailable;
    squareButton->setEnabled(enable);
    trimButton->setEnabled(enable);
  };
  follow();
  std::vector<ui::EventHandlerRef> handlers;
  handlers.push_back(ownGroup->installHandler({{ui::kEventClassControl, ui::kEventControlHit}}, [&](ui::Event&) {
    follow();
    return platform::noErr;
  }));
  handlers.push_back(own->installHandler({{ui::kEventClassCommand, ui::kEventCommandProcess}}, [&](ui::Event& e) {
    if (e.command == kSquareFoldCommand) {
      RunModalSquareFoldDialog(context->bundle, context->session, &working);
    } else if (e.command == kTrimCommand) {
      RunModalTrimOutsideEdgeDialog(context->bundle, context->session, &working);
    } else {
      return platform::eventNotHandledErr;
    }
    return platform::noErr;
  }));
  if (ui::Control* help = own->find(kHelpButtonID))
    handlers.push_back(help->installHandler({{ui::kEventClassControl, ui::kEventControlHit}}, [&](ui::Event&) {
      DisplayHelp(context->bundle, kFoldHelpPage, "");
      return platform::noErr;
    }));
  if (!RunModalOKCancel(*own)) return platform::noErr;
  FinishingState& f = context->finishing;
  f.code = kFinishingAdvancedFold;
  f.fold = chosenFold();
  f.staple1 = f.staple2 = f.stapleCenter = 0;
  f.holePunchValue = 0;
  f.zFold = 0;
  f.bind = 0;
  f.squareFoldOn = working.squareFoldOn && IsBiFold(f.fold);
  f.squareFoldValue = working.squareFoldValue;
  f.trimOn = working.trimOn && IsBiFold(f.fold);
  f.trimLength = working.trimLength;
  f.trimUnit = working.trimUnit;
  return platform::noErr;
}

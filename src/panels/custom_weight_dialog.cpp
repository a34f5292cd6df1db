// "Custom Weight": a paper weight in grams per square metre, 60 to 300.
#include "controls/spin_control.h"
#include "kit/dialog_services.h"
#include "panels/custom_stock_dialogs.h"
#include "panels/modal_dialog.h"
#include "platform/ui/interaction.h"
#include "vocabulary/printer_default.h"

namespace ui = platform::ui;

namespace {
constexpr platform::OSType kSignature = platform::FourCharCode("CuWt");
constexpr ui::ControlID kFieldID{kSignature, 1};
constexpr ui::ControlID kArrowsID{kSignature, 2};
constexpr ui::ControlID kHelpID{kSignature, 5};
constexpr std::int32_t kMinimumWeight = 60;
constexpr std::int32_t kMaximumWeight = 300;
constexpr std::int32_t kDefaultWeight = 90;
constexpr const char* kHelpPage = "paper_output/paper/db_custom_weight_d.htm";
}  // namespace

platform::OSStatus RunModalCustomStockWeightDialog(const platform::Bundle* bundle, std::int32_t* weight,
                                                   bool* confirmed) {
  if (weight == nullptr || confirmed == nullptr) return platform::paramErr;
  *confirmed = false;
  std::unique_ptr<ui::Window> window = LoadDialogWindow(bundle, "CustomStockWeight", "Custom");
  ui::Control* field = window ? window->find(kFieldID) : nullptr;
  ui::Control* arrows = window ? window->find(kArrowsID) : nullptr;
  if (field == nullptr || arrows == nullptr) return kDialogNotLoadedErr;
  arrows->setMinimum(kMinimumWeight);
  arrows->setMaximum(kMaximumWeight);
  SetSpinControlField(*arrows, *field);
  CreateSpinControl(arrows);
  const bool set = *weight >= kMinimumWeight && *weight <= kMaximumWeight;
  SetSpinControlValue(arrows, set ? *weight : kDefaultWeight);
  ui::EventHandlerRef help;
  if (ui::Control* helpButton = window->find(kHelpID))
    help = helpButton->installHandler({{ui::kEventClassControl, ui::kEventControlHit}}, [bundle](ui::Event&) {
      DisplayHelp(bundle, kHelpPage, "");
      return platform::noErr;
    });
  auto accept = [&] {
    if (SpinControlIsInputValid(arrows)) return true;
    ui::Beep();
    SetSpinControlValue(arrows, arrows->value());  // the nearest weight in range
    return false;
  };
  if (!RunModalOKCancel(*window, accept)) return platform::noErr;
  *weight = arrows->value();
  *confirmed = true;
  return platform::noErr;
}

// "Custom Weight": a paper weight in grams per square metre, 60 to 300.
#include "controls/spin_control.h"
#include "panels/modal_dialog.h"
#include "panels/stock_menu/custom_stock_dialogs.h"
#include "platform/ui/interaction.h"
#include "vocabulary/printer_default.h"

namespace ui = platform::ui;

namespace {
constexpr platform::OSType kSignature = platform::FourCharCode("CuWt");
constexpr ui::ControlID kFieldID{kSignature, 1};
constexpr ui::ControlID kArrowsID{kSignature, 2};
constexpr std::int32_t kMinimumWeight = 60;
constexpr std::int32_t kMaximumWeight = 300;
constexpr std::int32_t kDefaultWeight = 90;
constexpr const char* kHelpPage = "paper_output/paper/db_custom_weight_d.htm";
}  // namespace

DialogAnswer<std::int32_t> RunModalCustomStockWeightDialog(const platform::Bundle* bundle, std::int32_t weight) {
  return RunDialog(bundle, {"CustomStockWeight", "Custom", kHelpPage}, weight,
                   [](ui::Window& window, std::int32_t& edited) -> std::optional<DialogWiring> {
                     ui::Control* field = window.find(kFieldID);
                     ui::Control* arrows = window.find(kArrowsID);
                     if (field == nullptr || arrows == nullptr) return std::nullopt;
                     arrows->setMinimum(kMinimumWeight);
                     arrows->setMaximum(kMaximumWeight);
                     SetSpinControlField(*arrows, *field);
                     CreateSpinControl(arrows);
                     const bool set = edited >= kMinimumWeight && edited <= kMaximumWeight;
                     SetSpinControlValue(arrows, set ? edited : kDefaultWeight);
                     DialogWiring wiring;
                     wiring.acceptOK = [arrows] {
                       if (SpinControlIsInputValid(arrows)) return true;
                       ui::Beep();
                       SetSpinControlValue(arrows, arrows->value());  // the nearest weight in range
                       return false;
                     };
                     wiring.collect = [arrows, &edited] { edited = arrows->value(); };
                     return wiring;
                   });
}

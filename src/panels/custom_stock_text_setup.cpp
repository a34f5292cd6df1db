#include "panels/custom_stock_text_setup.h"

#include "kit/control_helpers.h"
#include "kit/dialog_services.h"
#include "kit/input_limiting.h"
#include "panels/custom_stock_dialogs.h"
#include "panels/modal_dialog.h"

namespace ui = platform::ui;

namespace {
constexpr platform::OSType kSignature = platform::FourCharCode("KPDE");
constexpr ui::ControlID kPictureID{kSignature, 20151};
constexpr ui::ControlID kOKID{kSignature, 1};
constexpr ui::ControlID kHelpID{kSignature, 3};
}  // namespace

platform::OSStatus RunModalCustomStockTextSetup(const platform::Bundle* bundle, const CustomStockTextSetup& setup,
                                                std::string* text, std::int16_t* result) {
  if (text == nullptr || result == nullptr) return platform::paramErr;
  *result = kStockSetupCancel;  // also when the dialog cannot be shown
  std::unique_ptr<ui::Window> window = LoadDialogWindow(bundle, setup.interfaceName, setup.interfaceName);
  ui::Control* field = window ? window->find(setup.field) : nullptr;
  ui::Control* ok = window ? window->find(kOKID) : nullptr;
  if (field == nullptr || ok == nullptr) return kDialogNotLoadedErr;
  field->setText(*text);
  LimitInputLengthAndCharacters(field, 0, setup.maximumLength, nullptr);
  ok->setEnabled(!setup.needsText || !text->empty());
  window->setFocus(field);
  if (ui::Control* picture = window->find(kPictureID)) InitializeIcon(bundle, picture);
  ui::EventHandlerRef handler = window->installHandler(
      {{ui::kEventClassKPDE, ui::kEventInputEmpty},
       {ui::kEventClassKPDE, ui::kEventInputLongEnough},
       {ui::kEventClassControl, ui::kEventControlHit}},
      [&](ui::Event& e) {
        if (e.eventClass == ui::kEventClassKPDE) {
          ok->setEnabled(!setup.needsText || e.kind == ui::kEventInputLongEnough);
          return platform::noErr;
        }
        if (e.control != nullptr && e.control == window->find(kHelpID)) DisplayHelp(bundle, setup.helpPage, "");
        return platform::eventNotHandledErr;
      });
  if (!RunModalOKCancel(*window)) return platform::noErr;
  *text = field->text();
  *result = kStockSetupOK;
  return platform::noErr;
}

#include "panels/modal_dialog.h"

#include "platform/ui/interaction.h"
#include "platform/ui/interface_file.h"

namespace ui = platform::ui;

namespace {
constexpr int kResultOK = 1;
constexpr int kResultCancel = 2;
}  // namespace

std::unique_ptr<ui::Window> LoadDialogWindow(const platform::Bundle* bundle, std::string_view name,
                                             std::string_view windowName) {
  if (bundle == nullptr) return nullptr;
  auto window = ui::CreateWindowFromInterface(*bundle, name, windowName);
  if (!window) return nullptr;  // the loader has said why
  return window.take();
}

bool RunModalOKCancel(ui::Window& window, const std::function<bool()>& acceptOK) {
  ui::EventHandlerRef handler = window.installHandler(
      {{ui::kEventClassCommand, ui::kEventCommandProcess}}, [&](ui::Event& e) {
        if (e.command == kDialogOKButtonCommand) {
          if (!acceptOK || acceptOK()) ui::QuitAppModalLoopForWindow(window, kResultOK);
          return platform::noErr;
        }
        if (e.command == kDialogCancelButtonCommand) {
          ui::QuitAppModalLoopForWindow(window, kResultCancel);
          return platform::noErr;
        }
        return platform::eventNotHandledErr;
      });
  return ui::RunAppModalLoopForWindow(window) == kResultOK;
}

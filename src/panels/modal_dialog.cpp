#include "panels/modal_dialog.h"

#include "kit/dialog_services.h"
#include "platform/ui/interaction.h"
#include "platform/ui/interface_file.h"
#include "platform/ui/standard_commands.h"

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

bool RunModalDialog(const platform::Bundle* bundle, ui::Window& window, std::string_view helpPage,
                    const DialogWiring& wiring) {
  ui::EventHandlerRef handler = window.installHandler(
      {{ui::kEventClassCommand, ui::kEventCommandProcess}}, [&](ui::Event& e) {
        switch (e.command) {
          case ui::kOKCommand:
            if (!wiring.acceptOK || wiring.acceptOK()) ui::QuitAppModalLoopForWindow(window, kResultOK);
            return platform::noErr;
          case ui::kCancelCommand:
            ui::QuitAppModalLoopForWindow(window, kResultCancel);
            return platform::noErr;
          case ui::kHelpCommand:
            if (!wiring.helpPage && helpPage.empty()) return platform::eventNotHandledErr;
            DisplayHelp(bundle, wiring.helpPage ? wiring.helpPage() : helpPage, "");
            return platform::noErr;
          case ui::kDefaultsCommand:
            if (!wiring.defaults) return platform::eventNotHandledErr;
            wiring.defaults();
            return platform::noErr;
          default:
            return platform::eventNotHandledErr;
        }
      });
  return ui::RunAppModalLoopForWindow(window) == kResultOK;
}

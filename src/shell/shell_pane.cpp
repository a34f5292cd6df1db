#include "shell/shell_pane.h"

#include <algorithm>
#include <cstdio>

#include "kit/dialog_services.h"
#include "platform/ui/interface_file.h"
#include "platform/ui/standard_commands.h"
#include "shell/pde_shell.h"
#include "shell/shell_controls.h"
#include "stocklibrary/stock_library.h"

using platform::OSStatus;
namespace ui = platform::ui;

namespace {

// Loads the shell's window from its description; the two failures keep their own message, and a
// bundle without the description names the file it lacks.
std::unique_ptr<ui::Window> LoadShellWindow(const platform::Bundle& bundle) {
  const std::string file = std::string(kShellInterfaceName) + ".interface.xml";
  if (!bundle.resourcePath(file)) {
    std::fputs("Initialize()::CreateNibReferenceWithCFBundle() failed.\n", stderr);
    std::fprintf(stderr, "ERROR: %s/%s: the bundle has no shell interface description\n",
                 bundle.resourcesPath().c_str(), file.c_str());
    return nullptr;
  }
  auto window = ui::CreateWindowFromInterface(bundle, kShellInterfaceName, kShellWindowName);
  if (!window) {
    std::fputs("Initialize()::CreateWindowFromNib() failed.\n", stderr);
    std::fprintf(stderr, "ERROR: %s: the shell interface description cannot be read\n", bundle.resourcePath(file)->c_str());
    return nullptr;
  }
  return window.take();
}

ui::Rect Centred(ui::Rect inner, ui::Rect outer, bool clampHorizontal) {
  int dx = (outer.width - inner.width) / 2;
  if (clampHorizontal) dx = std::max(dx, 0);
  return ui::Rect{dx, (outer.height - inner.height) / 2, inner.width, inner.height};
}

void ShowPicture(ui::Control* button, const char* picture, const ImageLoader& loader) {
  if (button == nullptr) return;
  button->setPicture(picture);
  button->setVisible(loader.canLoad(picture));
}

void SelectByStep(PDEShellContext& shell, int step) {
  const int count = shell.panelCount();
  if (count == 0) return;
  int index = shell.lastTabIndex + step;
  if (index > count) index = 1;
  if (index < 1) index = count;
  selectPanel(index, &shell);
}

}  // namespace

OSStatus CreatePanelPanes(PDEShellContext& shell) {
  ui::Control* pane = shell.dialogPane;
  shell.dialogWindow = pane->window();
  if (shell.dialogWindow != nullptr) {
    shell.defaultButton = shell.dialogWindow->defaultButton();
    shell.cancelButton = shell.dialogWindow->cancelButton();
    if (shell.defaultButton != nullptr)
      shell.defaultButton->setProperty(kProgramCreator, kBundlePropertyTag, shell.bundle);
    ui::EventTarget& target = *shell.dialogWindow;
    shell.initializeHandler = target.installHandler(
        {{ui::kEventClassCommand, ui::kEventCommandProcess}, {ui::kEventClassControl, ui::kEventControlHit}},
        [&shell](ui::Event& e) { return pdeShellEventHandler(e, shell); });
  }
  if (shell.bundle == nullptr) return platform::kPMInvalidPDEContext;
  std::unique_ptr<ui::Window> shellWindow = LoadShellWindow(*shell.bundle);
  if (!shellWindow) return platform::fnfErr;  // not the printer's fault: the loader has said why
  ui::Control* container = shellWindow->find(kPanelContainerID);
  const ui::Rect bounds = container ? container->bounds() : ui::Rect{};
  for (PanelSlot& panel : shell.panels) {
    auto panelPane = std::make_unique<ui::Control>(ui::ControlKind::UserPane,
                                                   ui::ControlID{kPanelPaneSignature, panel.tabIndex}, bounds);
    panelPane->setVisible(false);
    panel.pane = pane->embed(std::move(panelPane));
  }
  return platform::noErr;
}

OSStatus ShowShellPane(PDEShellContext& shell) {
  if (shell.dialogPane == nullptr || shell.bundle == nullptr) return platform::noErr;
  if (!shell.imageLoader) shell.imageLoader = std::make_unique<ImageLoader>(shell.bundle->resourcesPath());
  if (!shell.shellPaneLoaded) {
    std::unique_ptr<ui::Window> shellWindow = LoadShellWindow(*shell.bundle);
    if (!shellWindow) return platform::kPMInvalidPDEContext;
    ui::Control* shellPane = shellWindow->find(kShellPaneID);
    if (shellPane == nullptr) return platform::kPMInvalidPDEContext;
    shellPane->setBounds(Centred(shellPane->bounds(), shell.dialogPane->bounds(), true));
    EmbedAndShowControl(shellPane, shell.dialogPane);
    shell.shellPane = shellPane;
    shell.panelPopup = shellPane->find(kPanelPopupID);
    shell.previousButton = shellPane->find(kPreviousButtonID);
    shell.nextButton = shellPane->find(kNextButtonID);
    shell.switchingContainer = shellPane->find(kSwitchingContainerID);
    shell.panelContainer = shellPane->find(kPanelContainerID);
    shell.shellPaneLoaded = true;
  }
  if (shell.panelPopup != nullptr) {
    ui::Menu& menu = shell.panelPopup->menu();
    menu.clear();
    std::vector<ui::ControlID> panes;
    for (const PanelSlot& panel : shell.panels) {
      menu.append(ui::MenuItem(panel.title));
      panes.push_back(ui::ControlID{kPanelPaneSignature, panel.tabIndex});
    }
    // A person (or korvo-pde set) looking for a control in a hidden panel finds the item to choose.
    shell.panelPopup->setPanesShown(std::move(panes));
    shell.panelPopup->setMinimum(1);
    shell.panelPopup->setMaximum(menu.count());
  }
  shell.paneHandler = shell.shellPane->installHandler(
      {{ui::kEventClassControl, ui::kEventControlHit}, {ui::kEventClassMenu, ui::kEventMenuEnableItems}},
      [&shell](ui::Event& e) { return pdeShellEventHandler(e, shell); });
  ShowPicture(shell.previousButton, kPreviousButtonPicture, *shell.imageLoader);
  ShowPicture(shell.nextButton, kNextButtonPicture, *shell.imageLoader);
  for (PanelSlot& panel : shell.panels) {
    if (panel.pane == nullptr || shell.panelContainer == nullptr) continue;
    panel.pane->setBounds(Centred(panel.pane->bounds(), shell.panelContainer->bounds(), false));
    shell.panelContainer->embed(*panel.pane);
  }
  return platform::noErr;
}

void RemoveShellControls(PDEShellContext& shell) {
  shell.initializeHandler.remove();
  shell.openHandler.remove();
  shell.paneHandler.remove();
  for (PanelSlot& panel : shell.panels) {
    if (panel.pane != nullptr && panel.pane->parent() != nullptr) panel.pane->parent()->detach(*panel.pane);
    panel.pane = nullptr;
  }
  if (shell.shellPane != nullptr && shell.shellPane->parent() != nullptr)
    shell.shellPane->parent()->detach(*shell.shellPane);
  shell.shellPane = shell.panelPopup = shell.previousButton = shell.nextButton = nullptr;
  shell.switchingContainer = shell.panelContainer = nullptr;
  if (shell.defaultButton != nullptr) shell.defaultButton->removeProperty(kProgramCreator, kBundlePropertyTag);
}

OSStatus pdeShellEventHandler(ui::Event& event, PDEShellContext& shell) {
  if (event.eventClass == ui::kEventClassControl && event.kind == ui::kEventControlHit) {
    ui::Control* hit = event.control;
    if (hit == nullptr || (hit != shell.panelPopup && hit != shell.previousButton && hit != shell.nextButton))
      return platform::eventNotHandledErr;
    if (hit == shell.panelPopup) {
      if (hit->value() != shell.lastTabIndex) selectPanel(hit->value(), &shell);
    } else {
      SelectByStep(shell, hit == shell.nextButton ? 1 : -1);
    }
    if (shell.panelPopup != nullptr) shell.panelPopup->setValue(shell.lastTabIndex);
    return platform::noErr;
  }
  if (event.eventClass == ui::kEventClassCommand && event.kind == ui::kEventCommandProcess) {
    switch (event.command) {
      case ui::kHelpCommand:
        DisplayHelp(shell.bundle, "", "");
        return platform::noErr;
      case kNextPanelCommand:
      case kPreviousPanelCommand:
        SelectByStep(shell, event.command == kNextPanelCommand ? 1 : -1);
        if (shell.panelPopup != nullptr) shell.panelPopup->setValue(shell.lastTabIndex);
        return platform::noErr;
      default:
        return platform::eventNotHandledErr;  // the dialog's OK and everything else
    }
  }
  if (event.eventClass == ui::kEventClassMenu && event.kind == ui::kEventMenuEnableItems) return platform::noErr;
  if (event.eventClass == ui::kEventClassKPDE && event.kind == kEventPrinterStockResults) {
    RebuildPrinterStockLibrary(shell.dialog.printerStock);
    return platform::noErr;
  }
  return platform::eventNotHandledErr;
}

// Sync: every panel writes (or re-reads) the ticket, the visible panel last so that its values
// win where two panels write the same key; then the shell adds the client entries.
#include "kit/ticket_access.h"
#include "shell/client_information.h"
#include "shell/pde_shell.h"
#include "shell/product_hooks.h"
#include "shell/shell_context.h"

using platform::OSStatus;

OSStatus PDEShellSync(platform::PMPDEContext context, platform::PMPrintSession session, bool reinitialize) {
  OSStatus status = KorvoPDESync();
  auto* shell = static_cast<PDEShellContext*>(context);
  if (shell == nullptr || session == nullptr) return platform::kPMInvalidPrintSession;
  PanelSlot* visible = nullptr;
  for (PanelSlot& panel : shell->panels) {
    if (panel.tabIndex == shell->lastTabIndex) {
      visible = &panel;
      continue;
    }
    if (panel.interface.Sync != nullptr) panel.interface.Sync(panel.context, session, reinitialize);
  }
  if (visible != nullptr && visible->interface.Sync != nullptr)
    visible->interface.Sync(visible->context, session, reinitialize);
  if (reinitialize) return status;

  platform::Ticket* printSettings = nullptr;
  if (GetTicketFromSession(session, platform::kPDE_PMPrintSettingsRef, &printSettings) != platform::noErr ||
      printSettings == nullptr)
    return status;
  WriteClientInformation(*printSettings, CurrentClientFacts());
  return status;
}

OSStatus PDESync(platform::PMPrintSession, bool reinitialize) {
  return PDEShellSync(CurrentShellContext(), GetCurrentPrintSession(), reinitialize);
}

void selectPanel(std::int32_t index, PDEShellContext* shell) {
  if (shell == nullptr) return;
  platform::PrintSession* session = shell->session;
  PanelSlot* leaving = nullptr;
  for (PanelSlot& panel : shell->panels)
    if (panel.tabIndex == shell->lastTabIndex) leaving = &panel;
  if (leaving != nullptr && leaving->interface.Sync != nullptr) leaving->interface.Sync(leaving->context, session, false);
  if (shell->switchingContainer != nullptr) shell->switchingContainer->setVisible(false);
  for (PanelSlot& panel : shell->panels) {
    if (&panel != leaving && panel.interface.Sync != nullptr) panel.interface.Sync(panel.context, session, true);
    const bool shown = panel.tabIndex == index;
    if (shown) shell->selectedPanelIndex = index;
    if (panel.pane != nullptr) {
      panel.pane->setActive(shown);
      panel.pane->setVisible(shown);
      panel.pane->setEnabled(shown);
    }
  }
  shell->lastTabIndex = index;
  if (shell->switchingContainer != nullptr) shell->switchingContainer->setVisible(true);
}

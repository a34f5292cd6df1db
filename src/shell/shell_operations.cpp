// The seven operations the print dialog calls on the shell, each fanned out to the panels.
#include <cstdio>
#include <memory>

#include "shell/job_ticket_entry_points.h"
#include "shell/panel_table.h"
#include "shell/pde_shell.h"
#include "shell/printer_description.h"
#include "shell/product_hooks.h"
#include "shell/shell_context.h"
#include "shell/shell_pane.h"
#include "stocklibrary/stock_library.h"

using platform::OSStatus;

namespace {

PDEShellContext* gCurrentShell = nullptr;  // set by Prologue, cleared by that dialog's Terminate

PDEShellContext* AsShell(platform::PMPDEContext context) { return static_cast<PDEShellContext*>(context); }

}  // namespace

PDEShellContext* CurrentShellContext() { return gCurrentShell; }

OSStatus PDEShellPrologue(platform::PMPDEContext* context, platform::OSType* creator, std::string* kind,
                          std::string* title, std::uint32_t* maxH, std::uint32_t* maxV) {
  OSStatus status = KorvoPDEProlog();
  if (context == nullptr) return platform::kPMInvalidPDEContext;
  auto shell = std::make_unique<PDEShellContext>();
  shell->bundle = GetPDEBundle();
  if (shell->bundle != nullptr && shell->bundle->hasLocalizedString("PDE Shell"))
    shell->title = shell->bundle->localizedString("PDE Shell");
  if (creator) *creator = kShellCreator;
  if (kind) *kind = kShellKind;
  if (title && shell->title) *title = *shell->title;
  if (maxH) *maxH = kShellMaxWidth;
  if (maxV) *maxV = kShellMaxHeight;
  LoadBuiltInPanels(*shell);
  shell->dialog.jobTickets = ShellJobTicketService(*shell);
  gCurrentShell = shell.release();  // owned by the dialog until Terminate
  *context = gCurrentShell;
  return status;
}

OSStatus PDEShellInitialize(platform::PMPDEContext context, platform::PMPDEFlags* flags, platform::PMPDERef,
                            platform::ControlRef parentUserPane, platform::PMPrintSession session) {
  OSStatus status = KorvoPDEInitialize(session);
  PDEShellContext* shell = AsShell(context);
  if (shell == nullptr || session == nullptr) return platform::kPMInvalidPDEContext;
  // A queue of another maker's printer gets no panels of ours.
  if (!CurrentPrinterIsKorvo()) return platform::kPMInvalidPDEContext;
  LoadPrinterFeatures();
  shell->dialogPane = parentUserPane;
  shell->session = session;
  // Without a pane (a dialog that shows nothing, such as a print path that only collects the
  // settings) the panels work on the ticket alone.
  if (parentUserPane != nullptr) {
    if (OSStatus paneStatus = CreatePanelPanes(*shell); paneStatus != platform::noErr) return paneStatus;
  }
  for (PanelSlot& panel : shell->panels) {
    if (panel.interface.Initialize != nullptr)
      panel.interface.Initialize(panel.context, flags, &shell->dialog, panel.pane, session);
  }
  status = PDEShellSync(shell, session, true);
  return status;
}

OSStatus PDEShellGetSummaryText(platform::PMPDEContext context, platform::SummaryArray* titles,
                                platform::SummaryArray* values) {
  OSStatus status = KorvoPDEGetSummaryText();
  PDEShellContext* shell = AsShell(context);
  if (shell == nullptr) return platform::kPMInvalidPDEContext;
  if (titles) titles->reset();
  if (values) values->reset();
  for (PanelSlot& panel : shell->panels)
    if (panel.interface.GetSummaryText != nullptr) panel.interface.GetSummaryText(panel.context, titles, values);
  return status;
}

OSStatus PDEShellOpen(platform::PMPDEContext context) {
  OSStatus status = KorvoPDEOpen();
  PDEShellContext* shell = AsShell(context);
  if (shell == nullptr) return platform::kPMInvalidPDEContext;
  if (shell->dialogWindow != nullptr) {
    platform::ui::EventTarget& window = *shell->dialogWindow;
    shell->openHandler = window.installHandler(
        {{platform::ui::kEventClassCommand, platform::ui::kEventCommandProcess},
         {platform::ui::kEventClassKPDE, kEventPrinterStockResults}},
        [shell](platform::ui::Event& e) { return pdeShellEventHandler(e, *shell); });
  }
  if (!shell->openedOnce) {
    shell->openedOnce = true;
    if (shell->session != nullptr)
      StartPrinterStockWorker(shell->dialog.printerStock, kKorvoBundleIdentifier, shell->session->printer().deviceURI,
                              shell->dialogWindow);
    if (OSStatus paneStatus = ShowShellPane(*shell); paneStatus != platform::noErr) return paneStatus;
  }
  for (PanelSlot& panel : shell->panels)
    if (panel.interface.Open != nullptr) panel.interface.Open(panel.context);
  if (shell->selectedPanelIndex == 0) shell->selectedPanelIndex = 1;
  selectPanel(shell->selectedPanelIndex, shell);
  if (shell->panelPopup != nullptr) shell->panelPopup->setValue(shell->selectedPanelIndex);
  return status;
}

OSStatus PDEShellClose(platform::PMPDEContext context) {
  OSStatus status = KorvoPDEClose();
  PDEShellContext* shell = AsShell(context);
  if (shell == nullptr) return platform::kPMInvalidPDEContext;
  for (PanelSlot& panel : shell->panels)
    if (panel.interface.Close != nullptr) panel.interface.Close(panel.context);
  if (shell->dialog.printerStock.biDiStatus != kPrinterStockNoWorker) MyRemoveThread(shell->dialog.printerStock);
  shell->openHandler.remove();
  return status;
}

OSStatus PDEShellTerminate(platform::PMPDEContext context, OSStatus terminateStatus) {
  OSStatus status = KorvoPDETerminate();
  if (context == nullptr) return platform::kPMInvalidPDEContext;
  std::unique_ptr<PDEShellContext> shell(AsShell(context));
  for (PanelSlot& panel : shell->panels) {
    if (panel.interface.Terminate != nullptr) panel.interface.Terminate(panel.context, terminateStatus);
    panel.context = nullptr;
  }
  // The panes and the shell pane leave the dialog's window with the code that handles them.
  RemoveShellControls(*shell);
  // The worker ends with the dialog, and nothing it fetched reaches the next dialog.
  EndPrinterStockWorker(shell->dialog.printerStock);
  if (gCurrentShell == shell.get()) gCurrentShell = nullptr;
  shell.reset();
  UnloadPrinterFeatures();
  return status;
}

OSStatus KorvoPrinterStockReport(std::int32_t* status, std::string* lines, std::string* error) {
  PDEShellContext* shell = CurrentShellContext();
  return ReportPrinterStockLibrary(shell ? &shell->dialog.printerStock : nullptr, status, lines, error);
}

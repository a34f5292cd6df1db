// The Paper/Output panel's seven operations, as the shell calls them.
#include "panels/paper_output/paper_output_panel.h"

#include <memory>

#include "panels/paper_output/finishing_rules.h"
#include "panels/paper_output/paper_output_keys.h"
#include "panels/paper_output/paper_output_ticket.h"
#include "panels/panel_getters.h"
#include "panels/titled_panel.h"
#include "shell/pde_shell.h"
#include "shell/ticket_access.h"

using platform::OSStatus;

PaperOutputContext* gPaperOutputContext = nullptr;

namespace {

constexpr const char* kTitleKey = "PaperOutput";

PaperOutputContext* AsPanel(platform::PMPDEContext context) { return static_cast<PaperOutputContext*>(context); }

OSStatus Prologue(platform::PMPDEContext* context, platform::OSType* creator, std::string* kind, std::string* title,
                  std::uint32_t* maxH, std::uint32_t* maxV) {
  if (context == nullptr) return platform::paramErr;
  auto panel = std::make_unique<PaperOutputContext>();
  panel->bundle = GetPDEBundle();
  panel->title = panel->bundle ? panel->bundle->localizedString(kTitleKey) : std::string(kTitleKey);
  DefaultStock(panel->jobStock, kJobContextJob);
  DefaultStock(panel->padStock, kJobContextJob);
  if (creator) *creator = kPanelCreator;
  if (kind) *kind = kShellKind;
  if (title) *title = panel->title;
  if (maxH) *maxH = 0;
  if (maxV) *maxV = 0;
  gPaperOutputContext = panel.release();  // the dialog holds it until Terminate
  *context = gPaperOutputContext;
  return platform::noErr;
}

OSStatus Sync(platform::PMPDEContext context, platform::PMPrintSession session, bool reinitialize) {
  PaperOutputContext* panel = AsPanel(context);
  if (panel == nullptr || session == nullptr) return platform::kPMInvalidPrintSession;
  platform::Ticket* settings = nullptr;
  if (OSStatus status = GetTicketFromSession(session, platform::kPDE_PMPrintSettingsRef, &settings);
      status != platform::noErr || settings == nullptr)
    return status;
  FollowPlatformDuplexing(*panel, *settings);
  if (reinitialize) {
    ReadPaperOutputTicket(*panel, *session);
    ApplyStockDependentOptions(*panel);
    SyncToUI(*panel);
  } else {
    WritePaperOutputTicket(*panel, *settings);
  }
  return platform::noErr;
}

OSStatus Initialize(platform::PMPDEContext context, platform::PMPDEFlags*, platform::PMPDERef,
                    platform::ControlRef pane, platform::PMPrintSession session) {
  PaperOutputContext* panel = AsPanel(context);
  if (panel == nullptr || session == nullptr) return platform::kPMInvalidPDEContext;
  panel->pane = pane;
  panel->session = session;
  const platform::Ticket* settings = session->ticket(platform::kPDE_PMPrintSettingsRef);
  const std::string* jobName = settings ? settings->getString(paper_output_keys::kPMJobName) : nullptr;
  panel->jobName = jobName ? *jobName : (panel->bundle ? panel->bundle->localizedString("Unknown") : "Unknown");
  if (!panel->stockLibrary) panel->stockLibrary = std::make_unique<StockLibraryList>();
  if (!panel->stockLibraryOrder) panel->stockLibraryOrder = std::make_unique<StockLibraryOrderList>();
  return Sync(context, session, true);
}

OSStatus GetSummaryText(platform::PMPDEContext context, platform::SummaryArray*, platform::SummaryArray*) {
  return context ? platform::noErr : platform::kPMInvalidPDEContext;
}

OSStatus Open(platform::PMPDEContext context) {
  PaperOutputContext* panel = AsPanel(context);
  if (panel == nullptr) return platform::kPMInvalidPDEContext;
  return OpenPaperOutputControls(*panel);
}

OSStatus Close(platform::PMPDEContext context) {
  PaperOutputContext* panel = AsPanel(context);
  if (panel == nullptr) return platform::kPMInvalidPDEContext;
  ClosePaperOutputControls(*panel);
  return platform::noErr;
}

OSStatus Terminate(platform::PMPDEContext context, OSStatus) {
  if (context == nullptr) return platform::kPMInvalidPDEContext;
  std::unique_ptr<PaperOutputContext> owned(AsPanel(context));
  if (gPaperOutputContext == owned.get()) gPaperOutputContext = nullptr;
  return platform::noErr;  // the handlers, stocks and interface go with the context
}

}  // namespace

OSStatus GetPaperOutputPanelInterface(std::unique_ptr<PanelInterface>* out) {
  if (out == nullptr) return platform::paramErr;
  *out = std::make_unique<PanelInterface>(
      PanelInterface{nullptr, nullptr, nullptr, Prologue, Initialize, Sync, GetSummaryText, Open, Close, Terminate});
  return platform::noErr;
}

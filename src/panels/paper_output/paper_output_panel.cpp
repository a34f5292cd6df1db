// The Paper/Output panel's seven operations, as the shell calls them through the panel skeleton.
#include "panels/paper_output/paper_output_panel.h"

#include <memory>

#include "model/platform_keys.h"
#include "panels/panel_getters.h"
#include "panels/panel_skeleton.h"
#include "panels/paper_output/finishing/finishing_rules.h"
#include "panels/paper_output/paper_output_ticket.h"

namespace {

struct PaperOutputPanel {
  using Context = PaperOutputContext;
  static constexpr const char* kTitleKey = "PaperOutput";

  static void Prologue(Context& panel) {
    DefaultStock(panel.jobStock, kJobContextJob);
    DefaultStock(panel.padStock, kJobContextJob);
  }

  static void Initialize(Context& panel) {
    const platform::Ticket* settings = panel.session->ticket(platform::kPDE_PMPrintSettingsRef);
    const std::string* jobName = settings ? settings->getString(kPMJobNameKey) : nullptr;
    panel.jobName = jobName ? *jobName : (panel.bundle ? panel.bundle->localizedString("Unknown") : "Unknown");
    if (!panel.stockLibrary) panel.stockLibrary = std::make_unique<StockLibraryList>();
    if (!panel.stockLibraryOrder) panel.stockLibraryOrder = std::make_unique<StockLibraryOrderList>();
  }

  // Every Sync first lets two-sided printing follow the platform's duplex setting.
  static void ReadTicket(Context& panel, const platform::PrintSession& session, const platform::Ticket& settings) {
    FollowPlatformDuplexing(panel, settings);
    ReadPaperOutputTicket(panel, session, settings);
    ApplyStockDependentOptions(panel);
  }
  static void WriteTicket(Context& panel, platform::Ticket& settings) {
    FollowPlatformDuplexing(panel, settings);
    WritePaperOutputTicket(panel, settings);
  }
  static void ShowValues(Context& panel) { SyncToUI(panel); }

  static platform::OSStatus Build(Context& panel) { return BuildPaperOutputControls(panel); }
  static void Rebuild(Context& panel) { RebuildPaperOutputControls(panel); }
  static void Close(Context& panel) { ClosePaperOutputControls(panel); }
};

}  // namespace

platform::OSStatus GetPaperOutputPanelInterface(std::unique_ptr<PanelInterface>* out) {
  return PanelSkeleton<PaperOutputPanel>::Get(out);
}

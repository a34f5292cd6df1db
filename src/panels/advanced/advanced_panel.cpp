// The Advanced panel's seven operations, as the shell calls them through the panel skeleton.
#include "panels/advanced/advanced_panel.h"

#include <memory>

#include "panels/advanced/advanced_ticket.h"
#include "panels/panel_getters.h"
#include "panels/panel_skeleton.h"

namespace {

struct AdvancedPanel {
  using Context = AdvancedContext;
  static constexpr const char* kTitleKey = "Advanced";

  static void ReadTicket(Context& panel, const platform::PrintSession&, const platform::Ticket& settings) {
    ReadAdvancedTicket(panel, settings);
  }
  static void WriteTicket(Context& panel, platform::Ticket& settings) {
    SyncFromUI(panel);
    WriteAdvancedTicket(panel, settings);
  }
  static void ShowValues(Context& panel) { SyncToUI(panel); }
  // The panel is built once: a later Open shows nothing again and answers as a bad context.
  static constexpr PanelOpenRule kOpenRule{.showsAgain = false, .laterOpen = platform::kPMInvalidPDEContext};
  static platform::OSStatus Build(Context& panel) { return BuildAdvancedControls(panel); }
};

}  // namespace

platform::OSStatus GetAdvancedPanelInterface(std::unique_ptr<PanelInterface>* out) {
  return PanelSkeleton<AdvancedPanel>::Get(out);
}

// The Special Pages panel's seven operations, as the shell calls them through the panel skeleton.
#include "panels/special_pages/special_pages_panel.h"

#include "panels/panel_getters.h"
#include "panels/panel_skeleton.h"

namespace {

struct SpecialPagesPanel {
  using Context = SpecialPagesContext;
  static constexpr const char* kTitleKey = "SpecialPagesTitle";

  static void ReadTicket(Context& panel, const platform::PrintSession&, const platform::Ticket& settings) {
    ReadSpecialPagesTicket(panel, settings);
  }
  static void WriteTicket(Context& panel, platform::Ticket& settings) { WriteSpecialPagesTicket(panel, settings); }
  static void ShowValues(Context& panel) { ShowSpecialPages(panel); }
  // Without a pane there is no panel; a later Open refreshes the buttons but answers as a bad
  // context, there being nothing left to build.
  static constexpr PanelOpenRule kOpenRule{.withoutPane = platform::kPMInvalidPDEContext,
                                           .laterOpen = platform::kPMInvalidPDEContext};
  static platform::OSStatus Build(Context& panel) { return BuildSpecialPagesControls(panel); }
  static void Terminate(Context& panel) { FinalizeSpecialPagesControls(panel); }
};

}  // namespace

platform::OSStatus GetSpecialPagesPanelInterface(std::unique_ptr<PanelInterface>* out) {
  return PanelSkeleton<SpecialPagesPanel>::Get(out);
}

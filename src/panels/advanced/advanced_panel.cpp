// The Advanced panel: so far only its place in the shell, its title and an empty context;
// its controls and ticket entries come with the panel's own work.
#include "panels/panel_getters.h"
#include "panels/panel_skeleton.h"

namespace {

struct AdvancedPanel {
  using Context = PanelContext;
  static constexpr const char* kTitleKey = "Advanced";
};

}  // namespace

platform::OSStatus GetAdvancedPanelInterface(std::unique_ptr<PanelInterface>* out) { return PanelSkeleton<AdvancedPanel>::Get(out); }

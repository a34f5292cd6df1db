// The Image Options panel: so far only its place in the shell, its title and an empty context;
// its controls and ticket entries come with the panel's own work.
#include "panels/panel_getters.h"
#include "panels/panel_skeleton.h"

namespace {

struct ImageOptionsPanel {
  using Context = PanelContext;
  static constexpr const char* kTitleKey = "ImageOptions";
};

}  // namespace

platform::OSStatus GetImageOptionsPanelInterface(std::unique_ptr<PanelInterface>* out) { return PanelSkeleton<ImageOptionsPanel>::Get(out); }

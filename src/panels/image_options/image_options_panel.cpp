#include "panels/panel_getters.h"
#include "panels/titled_panel.h"

namespace {
constexpr char kTitleKey[] = "Image Options";
constexpr char kKind[] = "com.korvo.print.pde.imageoptionskind";
}  // namespace

platform::OSStatus GetImageOptionsPanelInterface(std::unique_ptr<PanelInterface>* out) {
  return TitledPanel<kTitleKey, kKind>::Get(out);
}

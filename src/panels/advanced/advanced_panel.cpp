#include "panels/panel_getters.h"
#include "panels/titled_panel.h"

namespace {
constexpr char kTitleKey[] = "Advanced";
constexpr char kKind[] = "com.korvo.print.pde.advancedkind";
}  // namespace

platform::OSStatus GetAdvancedPanelInterface(std::unique_ptr<PanelInterface>* out) {
  return TitledPanel<kTitleKey, kKind>::Get(out);
}

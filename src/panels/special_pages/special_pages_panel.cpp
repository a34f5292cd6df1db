#include "panels/panel_getters.h"
#include "panels/titled_panel.h"

namespace {
constexpr char kTitleKey[] = "Special Pages";
constexpr char kKind[] = "com.korvo.print.pde.specialpageskind";
}  // namespace

platform::OSStatus GetSpecialPagesPanelInterface(std::unique_ptr<PanelInterface>* out) {
  return TitledPanel<kTitleKey, kKind>::Get(out);
}

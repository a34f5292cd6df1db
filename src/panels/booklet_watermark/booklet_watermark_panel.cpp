#include "panels/panel_getters.h"
#include "panels/titled_panel.h"

namespace {
constexpr char kTitleKey[] = "BookletWatermark";
}  // namespace

platform::OSStatus GetBookletWatermarkPanelInterface(std::unique_ptr<PanelInterface>* out) {
  return TitledPanel<kTitleKey>::Get(out);
}

#include "panels/panel_getters.h"
#include "panels/titled_panel.h"

namespace {
constexpr char kTitleKey[] = "Booklet/Watermark";
constexpr char kKind[] = "com.korvo.print.pde.bookletwatermarkkind";
}  // namespace

platform::OSStatus GetBookletWatermarkPanelInterface(std::unique_ptr<PanelInterface>* out) {
  return TitledPanel<kTitleKey, kKind>::Get(out);
}

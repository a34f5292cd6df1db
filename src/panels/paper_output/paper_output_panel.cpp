#include "panels/panel_getters.h"
#include "panels/titled_panel.h"

namespace {
constexpr char kTitleKey[] = "PaperOutput";
}  // namespace

platform::OSStatus GetPaperOutputPanelInterface(std::unique_ptr<PanelInterface>* out) {
  return TitledPanel<kTitleKey>::Get(out);
}

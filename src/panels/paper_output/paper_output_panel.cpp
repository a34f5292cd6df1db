#include "panels/panel_getters.h"
#include "panels/titled_panel.h"

namespace {
constexpr char kTitleKey[] = "Paper/Output";
constexpr char kKind[] = "com.korvo.print.pde.paperoutputkind";
}  // namespace

platform::OSStatus GetPaperOutputPanelInterface(std::unique_ptr<PanelInterface>* out) {
  return TitledPanel<kTitleKey, kKind>::Get(out);
}

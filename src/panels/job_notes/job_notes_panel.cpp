#include "panels/panel_getters.h"
#include "panels/titled_panel.h"

namespace {
constexpr char kTitleKey[] = "Job Notes";
constexpr char kKind[] = "com.korvo.print.pde.jobnoteskind";
}  // namespace

platform::OSStatus GetJobNotesPanelInterface(std::unique_ptr<PanelInterface>* out) {
  return TitledPanel<kTitleKey, kKind>::Get(out);
}

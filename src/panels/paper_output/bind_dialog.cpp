// "Bind...": the edge the binding goes along.
#include "panels/paper_output/finishing_dialog_template.h"
#include "panels/paper_output/finishing_dialogs.h"
#include "panels/paper_output/paper_output_pictures.h"

platform::OSStatus RunModalBindFinishingDialog(PaperOutputContext* context) {
  if (context == nullptr) return platform::paramErr;
  const std::vector<FinishingOption> options = {
      {"Portrait - Left or Landscape - Top", PositionPicture("Bnd", 0), kBindLeftTop},
      {"Portrait - Right or Landscape - Bottom", PositionPicture("Bnd", 3), kBindRightBottom},
  };
  return RunPositionFinishing(*context, "Bind", options, &FinishingState::bind, kFinishingBind, KeptFinishing::Bind);
}

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
  std::optional<std::int32_t> chosen;
  const platform::OSStatus status =
      RunModalPositionDialog(context->bundle, "Bind", options, context->finishing.bind, &chosen);
  if (status != platform::noErr || !chosen) return status;
  FinishingState& f = context->finishing;
  f.bind = *chosen;
  f.code = kFinishingBind;
  ClearExclusiveFinishings(f, KeptFinishing::Bind);
  return platform::noErr;
}

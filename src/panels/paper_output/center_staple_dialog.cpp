// "Center Staple...": staples down the middle of one edge.
#include "panels/paper_output/finishing_dialog_template.h"
#include "panels/paper_output/finishing_dialogs.h"
#include "panels/paper_output/finishing_texts.h"

platform::OSStatus RunModalCenterStapleFinishingDialog(PaperOutputContext* context) {
  if (context == nullptr) return platform::paramErr;
  std::optional<std::int32_t> chosen;
  const platform::OSStatus status =
      RunModalPositionDialog(context->bundle, "Center Staple", EdgeOptions("CtSt", kCenterStapleFirst),
                             context->finishing.stapleCenter, &chosen);
  if (status != platform::noErr || !chosen) return status;
  FinishingState& f = context->finishing;
  f.stapleCenter = *chosen;
  f.code = kFinishingCenterStaple;
  ClearExclusiveFinishings(f, KeptFinishing::CenterStaple);
  return platform::noErr;
}

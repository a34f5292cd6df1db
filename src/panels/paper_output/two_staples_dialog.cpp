// "2 Staples...": two staples along one edge.
#include "panels/paper_output/finishing_dialog_template.h"
#include "panels/paper_output/finishing_dialogs.h"
#include "panels/paper_output/finishing_texts.h"

platform::OSStatus RunModal2StaplesFinishingDialog(PaperOutputContext* context) {
  if (context == nullptr) return platform::paramErr;
  std::optional<std::int32_t> chosen;
  const platform::OSStatus status = RunModalPositionDialog(
      context->bundle, "2 Staples", EdgeOptions("2St", kTwoStaplesFirst), context->finishing.staple2, &chosen);
  if (status != platform::noErr || !chosen) return status;
  FinishingState& f = context->finishing;
  f.staple2 = *chosen;
  f.code = kFinishingTwoStaples;
  ClearExclusiveFinishings(f, KeptFinishing::TwoStaples);
  return platform::noErr;
}

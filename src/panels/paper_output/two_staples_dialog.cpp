// "2 Staples...": two staples along one edge.
#include "panels/paper_output/finishing_dialog_template.h"
#include "panels/paper_output/finishing_dialogs.h"
#include "panels/paper_output/finishing_texts.h"

platform::OSStatus RunModal2StaplesFinishingDialog(PaperOutputContext* context) {
  if (context == nullptr) return platform::paramErr;
  return RunPositionFinishing(*context, "2 Staples", EdgeOptions("2St", kTwoStaplesFirst), &FinishingState::staple2,
                              kFinishingTwoStaples, KeptFinishing::TwoStaples);
}

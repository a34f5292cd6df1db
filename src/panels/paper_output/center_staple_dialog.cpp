// "Center Staple...": staples down the middle of one edge.
#include "panels/paper_output/finishing_dialog_template.h"
#include "panels/paper_output/finishing_dialogs.h"
#include "panels/paper_output/finishing_texts.h"

platform::OSStatus RunModalCenterStapleFinishingDialog(PaperOutputContext* context) {
  if (context == nullptr) return platform::paramErr;
  return RunPositionFinishing(*context, "Center Staple", EdgeOptions("CtSt", kCenterStapleFirst),
                              &FinishingState::stapleCenter, kFinishingCenterStaple, KeptFinishing::CenterStaple);
}

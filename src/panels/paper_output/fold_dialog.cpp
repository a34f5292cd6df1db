// The tri-fold dialog: a C or a Z tri-fold (finishing code 18).
#include "panels/paper_output/finishing_dialog_template.h"
#include "panels/paper_output/finishing_dialogs.h"

platform::OSStatus RunModalFoldFinishingDialog(PaperOutputContext* context) {
  if (context == nullptr) return platform::paramErr;
  const std::vector<FinishingOption> options = {
      {"C Tri-Fold", "ProductionFinishing_C_Fold.png", kFoldCTriFold},
      {"Z Tri-Fold", "ProductionFinishing_Z_Fold.png", kFoldZTriFold},
  };
  return RunPositionFinishing(*context, "Fold", options, &FinishingState::fold, kFinishingFold, KeptFinishing::Fold);
}

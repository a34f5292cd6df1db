// "1 Staple...": one staple at a corner. The bottom-right corner is offered only where the
// stapler can reach it.
#include "panels/paper_output/finishing_dialog_template.h"
#include "panels/paper_output/finishing_dialogs.h"
#include "panels/paper_output/finishing_features.h"
#include "panels/paper_output/finishing_texts.h"
#include "panels/paper_output/paper_output_pictures.h"

platform::OSStatus RunModal1StapleFinishingDialog(PaperOutputContext* context) {
  if (context == nullptr) return platform::paramErr;
  std::vector<FinishingOption> options;
  for (std::int32_t i = 0; i < 4; ++i) {
    if (i == 3 && !FinishingFeatureInstalled(kFeatureOneStapleBR)) break;
    options.push_back({std::string(*OneStaplePositionKey(kOneStapleFirst + i)),
                       PositionPicture("1St", static_cast<std::size_t>(i)), kOneStapleFirst + i});
  }
  return RunPositionFinishing(*context, "1 Staple", options, &FinishingState::staple1, kFinishingOneStaple,
                              KeptFinishing::OneStaple);
}

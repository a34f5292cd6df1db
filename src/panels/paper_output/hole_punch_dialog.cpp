// "2 Hole Punch...", "3 Hole Punch...", "4 Hole Punch...": the edge the holes go along; the
// number of holes comes with the menu item.
#include "panels/paper_output/finishing_dialog_template.h"
#include "panels/paper_output/finishing_dialogs.h"
#include "panels/paper_output/finishing_texts.h"

platform::OSStatus RunModalHolePunchFinishingDialog(std::int32_t holesCode, PaperOutputContext* context) {
  if (context == nullptr) return platform::paramErr;
  const std::optional<std::string_view> title = HolePunchKey(holesCode);
  if (!title) return platform::paramErr;
  const std::string prefix = std::to_string(holesCode - 1) + "Hp";
  bool chosen = false;
  const platform::OSStatus status =
      RunPositionFinishing(*context, std::string(*title).c_str(), EdgeOptions(prefix, kHolePunchFirst),
                           &FinishingState::holePunchValue, kFinishingHolePunch, KeptFinishing::HolePunch, &chosen);
  if (chosen) context->finishing.holePunchOptions = holesCode;
  return status;
}

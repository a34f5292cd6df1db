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
  std::optional<std::int32_t> chosen;
  const platform::OSStatus status =
      RunModalPositionDialog(context->bundle, std::string(*title).c_str(), EdgeOptions(prefix, kHolePunchFirst),
                             context->finishing.holePunchValue, &chosen);
  if (status != platform::noErr || !chosen) return status;
  FinishingState& f = context->finishing;
  f.holePunchValue = *chosen;
  f.holePunchOptions = holesCode;
  f.code = kFinishingHolePunch;
  ClearExclusiveFinishings(f, KeptFinishing::HolePunch);
  return platform::noErr;
}

// "Offset/Subset...": how output sets are offset, and optionally every so many pages.
#include "controls/spin_control.h"
#include "panels/modal_dialog.h"
#include "panels/paper_output/finishing_dialogs.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {
constexpr ui::ControlID kOffsetPopupID{kFinishingSignature, 18};
constexpr ui::ControlID kSubsetsBoxID{kFinishingSignature, 19};
constexpr ui::ControlID kPagesLabelID{kFinishingSignature, 20};
constexpr ui::ControlID kPagesFieldID{kFinishingSignature, 21};
constexpr ui::ControlID kPagesArrowsID{kFinishingSignature, 22};
}  // namespace

platform::OSStatus RunModalOffsetFinishingDialog(PaperOutputContext* context) {
  if (context == nullptr) return platform::paramErr;
  std::unique_ptr<ui::Window> window = LoadDialogWindow(context->bundle, kFinishingInterfaceName, "OffsetSelection");
  ui::Control* offset = window ? window->find(kOffsetPopupID) : nullptr;
  ui::Control* subsets = window ? window->find(kSubsetsBoxID) : nullptr;
  ui::Control* label = window ? window->find(kPagesLabelID) : nullptr;
  ui::Control* field = window ? window->find(kPagesFieldID) : nullptr;
  ui::Control* arrows = window ? window->find(kPagesArrowsID) : nullptr;
  if (!offset || !subsets || !label || !field || !arrows) return kDialogNotLoadedErr;
  const FinishingState& f = context->finishing;
  SetPopupButtonToTicketValue(*offset, f.offset);
  SetSpinControlField(*arrows, *field);
  CreateSpinControl(arrows);
  subsets->setValue(f.offsetSubsets != 0 ? 1 : 0);
  std::int32_t pages = f.pagesPerSubset;
  auto follow = [&] {
    const bool on = subsets->value() != 0;
    label->setEnabled(on);
    field->setEnabled(on);
    arrows->setEnabled(on);
    SetSpinControlValue(arrows, on ? pages : 0);
  };
  follow();
  ui::EventHandlerRef toggle = subsets->installHandler({{ui::kEventClassControl, ui::kEventControlHit}}, [&](ui::Event&) {
    if (subsets->value() == 0) pages = arrows->value();  // kept for turning subsets on again
    follow();
    return platform::noErr;
  });
  if (!RunModalOKCancel(*window)) return platform::noErr;
  FinishingState& out = context->finishing;
  out.offset = GetPopupButtonTicketValue(*offset).value_or(kOffsetPrinterDefault);
  out.offsetSubsets = subsets->value() != 0 ? 1 : 0;
  if (out.offsetSubsets != 0) out.pagesPerSubset = arrows->value();
  return platform::noErr;
}

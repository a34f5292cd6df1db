// "Offset/Subset...": how output sets are offset, and optionally every so many pages.
#include <memory>

#include "controls/spin_control.h"
#include "panels/paper_output/finishing/finishing_dialogs.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {
constexpr ui::ControlID kOffsetPopupID{kFinishingSignature, 18};
constexpr ui::ControlID kSubsetsBoxID{kFinishingSignature, 19};
constexpr ui::ControlID kPagesLabelID{kFinishingSignature, 20};
constexpr ui::ControlID kPagesFieldID{kFinishingSignature, 21};
constexpr ui::ControlID kPagesArrowsID{kFinishingSignature, 22};
}  // namespace

DialogAnswer<FinishingState> RunModalOffsetFinishingDialog(const PaperOutputContext& context) {
  return RunDialog(context.bundle, {kFinishingInterfaceName, "OffsetSelection", {}}, context.finishing,
                   [](ui::Window& window, FinishingState& f) -> std::optional<DialogWiring> {
    ui::Control* offset = window.find(kOffsetPopupID);
    ui::Control* subsets = window.find(kSubsetsBoxID);
    ui::Control* label = window.find(kPagesLabelID);
    ui::Control* field = window.find(kPagesFieldID);
    ui::Control* arrows = window.find(kPagesArrowsID);
    if (!offset || !subsets || !label || !field || !arrows) return std::nullopt;
    SetPopupButtonToTicketValue(*offset, f.offset);
    SetSpinControlField(*arrows, *field);
    CreateSpinControl(arrows);
    subsets->setValue(f.offsetSubsets != 0 ? 1 : 0);
    auto pages = std::make_shared<std::int32_t>(f.pagesPerSubset);  // kept for turning subsets on again
    auto follow = [=] {
      const bool on = subsets->value() != 0;
      label->setEnabled(on);
      field->setEnabled(on);
      arrows->setEnabled(on);
      SetSpinControlValue(arrows, on ? *pages : 0);
    };
    follow();
    DialogWiring wiring;
    wiring.handlers.push_back(subsets->installHandler({{ui::kEventClassControl, ui::kEventControlHit}}, [=](ui::Event&) {
      if (subsets->value() == 0) *pages = arrows->value();
      follow();
      return platform::noErr;
    }));
    wiring.collect = [=, &f] {
      f.offset = GetPopupButtonTicketValue(*offset).value_or(kOffsetPrinterDefault);
      f.offsetSubsets = subsets->value() != 0 ? 1 : 0;
      if (f.offsetSubsets != 0) f.pagesPerSubset = arrows->value();
    };
    return wiring;
  });
}

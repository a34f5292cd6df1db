#include "panels/paper_output/finishing/finishing_dialog_template.h"

#include "kit/control_helpers.h"
#include "panels/paper_output/finishing/finishing_dialogs.h"

namespace ui = platform::ui;

namespace {

constexpr ui::ControlID kOptionGroupID{kFinishingSignature, 1};
constexpr ui::ControlID kPictureAreaID{kFinishingSignature, 4};
constexpr std::int32_t kOptionButtonBase = 100;
constexpr std::int32_t kOptionPictureBase = 200;
constexpr int kRowHeight = 56;

}  // namespace

void AddOptionButtons(const platform::Bundle* bundle, ui::Control& group, ui::Control* pictures,
                      const std::vector<FinishingOption>& options) {
  int y = 0;
  std::int32_t n = 0;
  for (const FinishingOption& option : options) {
    auto button = std::make_unique<ui::Control>(ui::ControlKind::RadioButton,
                                                ui::ControlID{kFinishingSignature, kOptionButtonBase + n},
                                                ui::Rect{0, y, group.bounds().width, 18});
    button->setTitle(bundle ? bundle->localizedString(option.titleKey) : option.titleKey);
    button->setMaximum(1);
    group.embed(std::move(button));
    if (pictures != nullptr) {
      auto picture = std::make_unique<ui::Control>(ui::ControlKind::Picture,
                                                   ui::ControlID{kFinishingSignature, kOptionPictureBase + n},
                                                   ui::Rect{0, y, pictures->bounds().width, kRowHeight - 4});
      picture->setPicture(option.picture);
      InitializeIcon(bundle, pictures->embed(std::move(picture)));
    }
    y += kRowHeight;
    ++n;
  }
  group.setMinimum(1);
  group.setMaximum(n);
}

void ChooseOptionButton(ui::Control& group, std::size_t place) {
  for (std::size_t i = 0; i < group.children().size(); ++i) group.children()[i]->setValue(i == place ? 1 : 0);
  group.setValue(static_cast<std::int32_t>(place) + 1);
}

std::size_t PlaceOfValue(const std::vector<FinishingOption>& options, std::int32_t value) {
  for (std::size_t i = 0; i < options.size(); ++i)
    if (options[i].value == value) return i;
  return 0;
}

DialogAnswer<std::int32_t> RunModalPositionDialog(const platform::Bundle* bundle, const char* titleKey,
                                                  const std::vector<FinishingOption>& options, std::int32_t current) {
  return RunDialog(bundle, {kFinishingInterfaceName, "Template", {}}, current,
                   [&](ui::Window& window, std::int32_t& chosen) -> std::optional<DialogWiring> {
                     SetLocalizedWindowTitle(bundle, titleKey, &window);
                     ui::Control* group = window.find(kOptionGroupID);
                     if (group == nullptr || options.empty()) return std::nullopt;
                     AddOptionButtons(bundle, *group, window.find(kPictureAreaID), options);
                     ChooseOptionButton(*group, PlaceOfValue(options, current));
                     DialogWiring wiring;
                     wiring.collect = [group, &options, &chosen] {
                       const std::int32_t place = group->value() - 1;
                       if (place >= 0 && static_cast<std::size_t>(place) < options.size())
                         chosen = options[static_cast<std::size_t>(place)].value;
                     };
                     return wiring;
                   });
}

void ClearExclusiveFinishings(FinishingState& f, PositionFinishing kept) {
  if (kept != PositionFinishing::OneStaple) f.staple1 = 0;
  if (kept != PositionFinishing::TwoStaples) f.staple2 = 0;
  if (kept != PositionFinishing::CenterStaple) f.stapleCenter = 0;
  if (kept != PositionFinishing::HolePunch) f.holePunchValue = 0;
  if (kept != PositionFinishing::Bind) f.bind = 0;
  if (kept != PositionFinishing::Fold) f.fold = 0;
  f.zFold = 0;
  SquareFoldAndTrimOff(f);
}

// "Custom Size Setup": the width and length of a custom paper in the user's units, within the
// printer's custom-size limits. A field the user leaves alone gives back exactly what it was
// given, so opening and confirming never moves a size.
#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

#include "controls/spin_control.h"
#include "kit/control_helpers.h"
#include "panels/modal_dialog.h"
#include "panels/stock_menu/custom_size_units.h"
#include "panels/stock_menu/custom_stock_dialogs.h"
#include "platform/ui/drawn_images.h"
#include "platform/ui/interaction.h"
#include "vocabulary/ppd_bridge.h"
#include "vocabulary/printer_default.h"

namespace ui = platform::ui;

namespace {

constexpr platform::OSType kSignature = platform::FourCharCode("CuSz");
constexpr ui::ControlID kWidthFieldID{kSignature, 1};
constexpr ui::ControlID kWidthArrowsID{kSignature, 2};
constexpr ui::ControlID kLengthFieldID{kSignature, 3};
constexpr ui::ControlID kLengthArrowsID{kSignature, 4};
constexpr ui::ControlID kUnitsID{kSignature, 5};
constexpr ui::ControlID kPreviewID{kSignature, 8};
constexpr const char* kHelpPage = "paper_output/paper/db_new_custom_size_dm.htm";

// One dimension: its arrows, its limits in points, and the stored value it still shows untouched.
struct Dimension {
  ui::Control* arrows = nullptr;
  float minimumPoints = 0, maximumPoints = 0;
  std::optional<std::int32_t> kept;

  bool untouched(CustomSizeUnits units) const {
    return kept && SpinControlIsInputValid(arrows) && arrows->value() == FieldValueOfDimension(*kept, units);
  }
  // Limits and decimals first, so that a value in the new units is never held by the old bounds.
  void show(CustomSizeUnits units, std::int32_t value) {
    const FieldLimits limits = FieldLimitsInUnits(minimumPoints, maximumPoints, units);
    arrows->setMinimum(limits.minimum);
    arrows->setMaximum(limits.maximum);
    SetSpinControlDecimals(*arrows, DecimalsOfUnits(units));
    ShowSpinControlValue(arrows, value);
  }
  void showStored(CustomSizeUnits units, std::int32_t stored) {
    kept = stored;
    show(units, FieldValueOfDimension(stored, units));
  }
  void changeUnits(CustomSizeUnits from, CustomSizeUnits to) {
    if (untouched(from)) return showStored(to, *kept);
    const std::int32_t value = ConvertFieldValue(arrows->value(), from, to);
    kept.reset();
    show(to, value);
  }
  std::int32_t stored(CustomSizeUnits units) const {
    return untouched(units) ? *kept : DimensionOfFieldValue(arrows->value(), units);
  }
};

void ShowUnits(ui::Control& group, CustomSizeUnits units) {
  group.setValue(units);
  for (std::size_t i = 0; i < group.children().size(); ++i)
    group.children()[i]->setValue(static_cast<std::int32_t>(i) + 1 == units ? 1 : 0);
}

void ShowInvalidSizeNotice(const platform::Bundle* bundle) {
  ui::AlertRequest alert;
  alert.level = ui::AlertLevel::Caution;
  alert.title = bundle->localizedString("Invalid Paper Size Header");
  alert.message = bundle->localizedString("Invalid Paper Size Message");
  alert.buttons = {bundle->localizedString("OK")};
  ui::RunStandardAlert(alert);
}

// The paper as the preview draws it: a sheet, or nothing without limits to scale by.
void DrawPreview(ui::Control& preview, const Dimension& width, const Dimension& length) {
  const std::optional<ui::Rect> paper =
      CustomSizePreviewRect(preview.bounds(), width.arrows->value(), length.arrows->value(),
                            width.arrows->maximum(), length.arrows->maximum());
  ui::SetDrawnSheets(preview, paper ? std::vector<ui::DrawnSheet>{{*paper}} : std::vector<ui::DrawnSheet>{});
}

}  // namespace

DialogAnswer<CustomSize> RunModalCustomStockSizeDialog(const platform::Bundle* bundle, CustomSize size,
                                                       DialogState* dialog) {
  CustomSizeUnits unitsWithoutDialog = kUnitsNotChosen;
  // The units the user chooses stay chosen, even after Cancel.
  CustomSizeUnits* current = dialog ? &dialog->customSizeUnits : &unitsWithoutDialog;
  return RunDialog(bundle, {"CustomStockSize", "Custom", kHelpPage}, size,
                   [bundle, current](ui::Window& window, CustomSize& edited) -> std::optional<DialogWiring> {
    ui::Control* widthField = window.find(kWidthFieldID);
    ui::Control* lengthField = window.find(kLengthFieldID);
    ui::Control* unitsPopup = window.find(kUnitsID);
    ui::Control* preview = window.find(kPreviewID);
    auto dimensions = std::make_shared<std::pair<Dimension, Dimension>>();
    Dimension& w = dimensions->first;
    Dimension& l = dimensions->second;
    w.arrows = window.find(kWidthArrowsID);
    l.arrows = window.find(kLengthArrowsID);
    if (!widthField || !lengthField || !unitsPopup || !preview || !w.arrows || !l.arrows) return std::nullopt;
    GetMediaLimits(w.minimumPoints, l.minimumPoints, w.maximumPoints, l.maximumPoints);
    const CustomSizeDefaults defaults = CustomSizeDefaultsForLocale();
    if (*current == kUnitsNotChosen) *current = defaults.units;
    SetLocalizedWindowTitle(bundle, "Custom Size Setup", &window);
    for (auto [arrows, field] : {std::pair{w.arrows, widthField}, std::pair{l.arrows, lengthField}}) {
      SetSpinControlField(*arrows, *field);
      SetSpinControlRedrawControl(*arrows, *preview);
      CreateSpinControl(arrows);
    }
    ShowUnits(*unitsPopup, *current);
    w.showStored(*current, edited.width == kPrinterDefault ? defaults.width : edited.width);
    l.showStored(*current, edited.length == kPrinterDefault ? defaults.length : edited.length);

    DialogWiring wiring;
    wiring.state = dimensions;
    wiring.handlers.push_back(preview->installHandler({{ui::kEventClassControl, ui::kEventControlDraw}}, [=, &w, &l](ui::Event&) {
      DrawPreview(*preview, w, l);
      return platform::noErr;
    }));
    wiring.handlers.push_back(unitsPopup->installHandler({{ui::kEventClassControl, ui::kEventControlHit}}, [=, &w, &l](ui::Event&) {
      const auto chosen = unitsPopup->value() == kUnitsInches ? kUnitsInches : kUnitsMillimetres;
      if (chosen == *current) return platform::noErr;
      w.changeUnits(*current, chosen);
      l.changeUnits(*current, chosen);
      *current = chosen;
      return platform::noErr;
    }));
    wiring.defaults = [=, &w, &l] {
      *current = defaults.units;
      ShowUnits(*unitsPopup, *current);
      w.showStored(*current, defaults.width);
      l.showStored(*current, defaults.length);
    };
    wiring.acceptOK = [=, &w, &l] {
      if (SpinControlIsInputValid(w.arrows) && SpinControlIsInputValid(l.arrows)) return true;
      ShowInvalidSizeNotice(bundle);
      for (Dimension* d : {&w, &l}) SetSpinControlValue(d->arrows, d->arrows->value());  // the nearest valid sizes
      return false;
    };
    wiring.collect = [&edited, &w, &l, current] {
      edited.width = w.stored(*current);
      edited.length = l.stored(*current);
    };
    return wiring;
  });
}

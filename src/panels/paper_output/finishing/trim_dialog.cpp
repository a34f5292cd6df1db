// "TrimOutsideEdge": trimming on or off and the trimmed length in millimetres or inches. An
// out-of-range length keeps the dialog open with the user's text.
#include "panels/paper_output/finishing/trim_dialog.h"

#include <cstdio>
#include <memory>
#include <utility>

#include "controls/decimal_text.h"
#include "kit/number_text.h"
#include "panels/paper_output/finishing/finishing_dialogs.h"
#include "panels/paper_output/paper_size_check.h"
#include "platform/ui/interaction.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

constexpr ui::ControlID kOnBoxID{kFinishingSignature, 1};
constexpr ui::ControlID kLengthFieldID{kFinishingSignature, 9};
constexpr ui::ControlID kUnitPopupID{kFinishingSignature, 10};
constexpr const char* kTrimHelpPage = "paper_output/finishing/db_trim_outside_edge_d.htm";
constexpr int kDecimals = 2;

std::optional<double> ReadLength(const ui::Control& field) {
  std::optional<std::int32_t> hundredths = ParseDecimalText(field.text(), kDecimals, UserNumberSymbols());
  if (!hundredths) return std::nullopt;
  return *hundredths / 100.0;
}

std::string RangeText(const TrimLimits& limits) {
  char text[64];
  std::snprintf(text, sizeof text, "%3.2f - %3.2f", limits.minimum, limits.maximum);
  return text;
}

}  // namespace

DialogAnswer<FinishingState> RunModalTrimOutsideEdgeDialog(const platform::Bundle* bundle,
                                                           const platform::PrintSession* session,
                                                           FinishingState finishing) {
  const std::optional<double> height = PaperHeightPoints(session);
  if (!checkForSupportedPaperSize(session) || !height) {
    const std::string detail = bundle ? bundle->localizedString("TrimPaperSizeErrorDetailedError") : "";
    DisplayInvalidInputAlert(bundle, "TrimPaperSizeError", detail);
    return {ui::userCanceledErr, std::nullopt};
  }
  const TrimLimits limits = TrimLimitsForHeight(*height);
  return RunDialog(bundle, {kFinishingInterfaceName, "TrimOutsideEdge", kTrimHelpPage}, std::move(finishing),
                   [&](ui::Window& window, FinishingState& f) -> std::optional<DialogWiring> {
    ui::Control* onBox = window.find(kOnBoxID);
    ui::Control* field = window.find(kLengthFieldID);
    ui::Control* units = window.find(kUnitPopupID);
    if (onBox == nullptr || field == nullptr || units == nullptr) return std::nullopt;
    onBox->setValue(f.trimOn ? 1 : 0);
    field->setText(FormatDecimalText(ScaledTowardZero(f.trimLength * 100), kDecimals));
    SetPopupButtonToTicketValue(*units, f.trimUnit);
    auto length = std::make_shared<std::optional<double>>();
    DialogWiring wiring;
    wiring.acceptOK = [=] {
      if (onBox->value() == 0) return true;
      const std::int32_t unit = GetPopupButtonTicketValue(*units).value_or(kTrimUnitMillimetres);
      *length = ReadLength(*field);
      if (*length && ValidateInputValues(**length, unit, limits)) return true;
      DisplayInvalidInputAlert(bundle, "Invalid trimmed length", RangeText(TrimLimitsInUnit(limits, unit)));
      return false;
    };
    wiring.collect = [=, &f] {
      f.trimOn = onBox->value() != 0;
      if (f.trimOn) {
        f.trimLength = **length;
        f.trimUnit = GetPopupButtonTicketValue(*units).value_or(kTrimUnitMillimetres);
        // The ticket keeps whole millimetres, cut: a length just above the lowest limit would be
        // cut below it and refused when the dialog opens on it again, so it becomes the lowest
        // whole millimetre the limits accept.
        if (const std::int32_t lowest = LowestWholeMillimetres(limits); TrimLengthMillimetres(f) < lowest) {
          f.trimLength = lowest;
          f.trimUnit = kTrimUnitMillimetres;
        }
      }
    };
    return wiring;
  });
}

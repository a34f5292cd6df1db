// "TrimOutsideEdge": trimming on or off and the trimmed length in millimetres or inches. An
// out-of-range length keeps the dialog open with the user's text.
#include "panels/paper_output/trim_dialog.h"

#include <cmath>
#include <cstdio>

#include "controls/decimal_text.h"
#include "kit/dialog_services.h"
#include "panels/modal_dialog.h"
#include "panels/paper_output/finishing_dialogs.h"
#include "panels/paper_output/paper_size_check.h"
#include "platform/ui/interaction.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

constexpr ui::ControlID kOnBoxID{kFinishingSignature, 1};
constexpr ui::ControlID kLengthFieldID{kFinishingSignature, 9};
constexpr ui::ControlID kUnitPopupID{kFinishingSignature, 10};
constexpr ui::ControlID kHelpButtonID{kFinishingSignature, 6};
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

platform::OSStatus RunModalTrimOutsideEdgeDialog(const platform::Bundle* bundle, const platform::PrintSession* session,
                                                 FinishingState* finishing) {
  if (finishing == nullptr) return platform::paramErr;
  const std::optional<double> height = PaperHeightPoints(session);
  if (!checkForSupportedPaperSize(session) || !height) {
    const std::string detail = bundle ? bundle->localizedString("TrimPaperSizeErrorDetailedError") : "";
    dispalyInvalidInputAlert(bundle, "TrimPaperSizeError", detail);
    return ui::userCanceledErr;
  }
  const TrimLimits limits = TrimLimitsForHeight(*height);
  std::unique_ptr<ui::Window> window = LoadDialogWindow(bundle, kFinishingInterfaceName, "TrimOutsideEdge");
  ui::Control* onBox = window ? window->find(kOnBoxID) : nullptr;
  ui::Control* field = window ? window->find(kLengthFieldID) : nullptr;
  ui::Control* units = window ? window->find(kUnitPopupID) : nullptr;
  if (onBox == nullptr || field == nullptr || units == nullptr) return kDialogNotLoadedErr;
  onBox->setValue(finishing->trimOn ? 1 : 0);
  field->setText(FormatDecimalText(static_cast<std::int32_t>(std::lround(finishing->trimLength * 100)), kDecimals));
  SetPopupButtonToTicketValue(*units, finishing->trimUnit);
  ui::EventHandlerRef help;
  if (ui::Control* helpButton = window->find(kHelpButtonID))
    help = helpButton->installHandler({{ui::kEventClassControl, ui::kEventControlHit}}, [bundle](ui::Event&) {
      DisplayHelp(bundle, kTrimHelpPage, "");
      return platform::noErr;
    });
  std::optional<double> length;
  auto accept = [&] {
    if (onBox->value() == 0) return true;
    const std::int32_t unit = GetPopupButtonTicketValue(*units).value_or(kTrimUnitMillimetres);
    length = ReadLength(*field);
    if (length && ValidateInputValues(*length, unit, limits)) return true;
    dispalyInvalidInputAlert(bundle, "Invalid trimmed length", RangeText(TrimLimitsInUnit(limits, unit)));
    return false;
  };
  if (!RunModalOKCancel(*window, accept)) return platform::noErr;
  finishing->trimOn = onBox->value() != 0;
  if (finishing->trimOn) {
    finishing->trimLength = *length;
    finishing->trimUnit = GetPopupButtonTicketValue(*units).value_or(kTrimUnitMillimetres);
  }
  return platform::noErr;
}

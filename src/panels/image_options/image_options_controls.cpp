// The panel's controls and the context kept in step: ShowImageOptions shows the context, the
// event handler takes what the user does into it and runs the two set-up dialogs.
#include "controls/combo_box.h"
#include "kit/control_helpers.h"
#include "model/full_color_summary.h"
#include "panels/image_options/color_setup_dialog.h"
#include "panels/image_options/image_options_panel.h"
#include "panels/image_options/image_options_pictures.h"
#include "panels/image_options/image_shift_dialog.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

void ShowPopup(ui::Control* popup, std::int32_t value) {
  if (popup != nullptr) SetPopupButtonToTicketValue(*popup, value);
}

std::int32_t ChosenValue(const ui::Control* popup, std::int32_t fallback) {
  return popup != nullptr ? GetPopupButtonTicketValue(*popup).value_or(fallback) : fallback;
}

// The curve the combo box shows: a typed name becomes the curve, the printer-default entry
// clears it, an empty field changes nothing.
void StoreCurve(ui::Control& combo, FullColorOptions& color) {
  KComboValue value;
  if (KComboBoxCopyValue(&combo, &value) != platform::noErr) return;
  if (const std::string* name = std::get_if<std::string>(&value)) {
    color.setTRC(*name);
  } else if (std::get<std::int32_t>(value) == kPrinterDefault) {
    color.setTRC(std::nullopt);
  }
}

void ShowCurve(ui::Control& combo, const FullColorOptions& color) {
  std::optional<std::string> name;
  color.trc(&name);
  const KComboValue value = name ? KComboValue(*name) : KComboValue(kPrinterDefault);
  KComboBoxSetValue(&combo, &value);
}

void ShowSummary(ui::Control* view, const std::optional<std::string>& text) {
  if (view != nullptr && text) UpdateSummaryTextView(view, text->c_str());
}

}  // namespace

void StoreImageOptionsControls(ImageOptionsContext& context) {
  if (context.opened && context.controls.curveCombo) StoreCurve(*context.controls.curveCombo, context.color);
}

void ShowImageOptions(ImageOptionsContext& context) {
  if (!context.opened || context.bundle == nullptr) return;
  const platform::Bundle* bundle = context.bundle;
  ImageOptionsControls& c = context.controls;
  ShowSummary(c.colorSummary, GenerateFullColorSummary(bundle, &context.color, kJobContextJob));
  ShowPicture(c.colorPicture, kColorPicture);
  ShowPopup(c.antialiasingPopup, context.antialiasing);
  ShowPicture(c.antialiasingPicture, AntialiasingPicture(context.antialiasing));
  ShowPopup(c.resolutionPopup, context.resolution);
  ShowPicture(c.resolutionPicture, ResolutionPicture(context.resolution));
  ShowPopup(c.halftonePopup, context.halftone);
  ShowPicture(c.halftonePicture, HalftonePicture(context.halftone));
  if (c.curveCombo) ShowCurve(*c.curveCombo, context.color);
  if (c.mirrorBox) c.mirrorBox->setValue(context.invert.mirror ? 1 : 0);
  ShowPicture(c.invertPicture, InvertImagePicture(context.invert));
  ShowSummary(c.imageShiftSummary, GenerateImageShiftSummary(bundle, &context.imageShift, kJobContextJob));
  ShowPicture(c.imageShiftPicture, kImageShiftPicture);
}

platform::OSStatus ImageOptionsEventHandler(ui::Event& event, ImageOptionsContext& context) {
  if (event.eventClass != ui::kEventClassControl || event.kind != ui::kEventControlHit) return platform::eventNotHandledErr;
  ImageOptionsControls& c = context.controls;
  ui::Control* hit = event.control;
  if (hit == nullptr) return platform::eventNotHandledErr;
  // Only the control the user changed is taken: a pop-up that cannot show a value the ticket
  // holds (a resolution the menu does not offer) must not turn it into its first row.
  if (hit == c.antialiasingPopup) {
    context.antialiasing = ChosenValue(hit, context.antialiasing);
  } else if (hit == c.resolutionPopup) {
    context.resolution = ChosenValue(hit, context.resolution);
  } else if (hit == c.halftonePopup) {
    context.halftone = ChosenValue(hit, context.halftone);
  } else if (hit == c.mirrorBox) {
    context.invert.mirror = hit->value() != 0;
  } else if (hit == c.colorSetupButton) {
    StoreImageOptionsControls(context);  // the curve typed so far stays the dialog's
    TakeAnswer(RunModalColorSetupDialog(context.bundle, context.color, kJobContextJob), context.color);
  } else if (hit == c.imageShiftButton) {
    TakeAnswer(RunModalImageShiftDialog(context.bundle, context.session, context.imageShift, kJobContextJob),
               context.imageShift);
  } else {
    return platform::eventNotHandledErr;
  }
  StoreImageOptionsControls(context);
  ShowImageOptions(context);
  return platform::noErr;
}

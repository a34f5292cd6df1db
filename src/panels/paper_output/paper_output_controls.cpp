// The panel's controls and the context kept in step: SyncToUI shows the context, the event
// handler takes what the user does into it.
#include <cstdio>

#include "kit/control_helpers.h"
#include "model/paper_output_codes.h"
#include "model/paper_output_keys.h"
#include "model/platform_keys.h"
#include "model/ticket_clients.h"
#include "panels/background_forms/background_form_dialogs.h"
#include "panels/paper_output/finishing/finishing_menu.h"
#include "panels/paper_output/finishing/finishing_rules.h"
#include "panels/paper_output/finishing/finishing_summary.h"
#include "panels/paper_output/paper_output_panel.h"
#include "panels/paper_output/paper_output_pictures.h"
#include "panels/paper_output/saved_job_dialog.h"
#include "panels/stock_menu/stock_menu_button.h"
#include "model/stock.h"
#include "model/stock_summary.h"
#include "vocabulary/ppd_bridge.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

// The job types whose Setup button is enabled: the saved job and the background form, which
// have a set-up dialog, and the held, fax, secure and delayed jobs a ticket may bring, whose
// Setup does nothing here.
bool SetupDialogAvailable(std::int32_t jobType) {
  return jobType == kJobTypeSavedJob || jobType == kJobTypeBackgroundForm || (jobType >= kJobTypeFirstOtherSetup && jobType <= kJobTypeLastOtherSetup);
}

// Setup: the set-up dialog of the job type; false when the user cancelled it. The background
// form's OK keeps the form names it was given in the history.
bool RunJobTypeSetup(PaperOutputContext& context) {
  bool confirmed = true;
  const std::int32_t jobType = JobTypeOf(context);
  if (jobType == kJobTypeSavedJob) {
    DialogAnswer<SavedJobSettings> saved =
        RunModalSavedJobDialog(context.bundle, ReadSavedJobSettings(context.jobType));
    confirmed = saved.record.has_value();
    if (confirmed) WriteSavedJobSettings(*saved.record, context.jobType);
  } else if (jobType == kJobTypeBackgroundForm) {
    const bool exact = BackgroundFormOffsetsAreExact(context.session, context.backgroundForms);
    DialogAnswer<BackgroundFormsEdit> answer =
        RunModalSavedBackgroundFormDialog(context.bundle, BackgroundFormsEdit(context.backgroundForms, exact));
    confirmed = answer.record.has_value();
    if (confirmed) context.backgroundForms = answer.record->options;
    if (confirmed && context.backgroundForms.saveHistory() != platform::noErr)
      std::fprintf(stderr, "ERROR: the background forms' history could not be saved\n");
  }
  return confirmed;
}

void ShowFinishing(PaperOutputContext& context) {
  PaperOutputControls& c = context.controls;
  if (c.finishingButton) UpdateFinishingMenu(context, c.finishingButton->menu());
  if (c.finishingSummary) UpdateSummaryTextView(c.finishingSummary, FinishingSummaryText(*context.bundle, context).c_str());
  ShowPicture(c.finishingPicture, FinishingPicture(context.finishing));
}

void ShowDuplex(PaperOutputContext& context) {
  PaperOutputControls& c = context.controls;
  if (c.duplexPopup == nullptr) return;
  SetPopupButtonToTicketValue(*c.duplexPopup, context.booklet.on ? kDuplexShortEdge : context.duplex);
  c.duplexPopup->setEnabled(!context.booklet.on);
  ShowPicture(c.duplexPicture, DuplexPicture(context.booklet.on, context.duplex));
}

std::int32_t ChosenValue(const ui::Control& popup, std::int32_t fallback) {
  return GetPopupButtonTicketValue(popup).value_or(fallback);
}

// A control of the panel changed: its value goes into the context.
bool TakeControlChange(ui::Control* hit, PaperOutputContext& context) {
  PaperOutputControls& c = context.controls;
  if (hit == nullptr) return false;
  if (hit == c.jobTypePopup) {
    const std::int32_t previous = JobTypeOf(context);
    context.jobType[kJobTypeJobTypeKey] = ChosenValue(*hit, kJobTypeNormal);
    // A job type with a set-up asks for it at once; cancelling it keeps the job type there was.
    if (SetupDialogAvailable(JobTypeOf(context)) && !RunJobTypeSetup(context))
      context.jobType[kJobTypeJobTypeKey] = previous;
  } else if (hit == c.duplexPopup) {
    context.duplex = ChosenValue(*hit, context.duplex);
    // The platform's own duplex setting follows at once, so the dialog's other panes agree.
    if (context.session != nullptr && context.duplex >= 1 && context.duplex <= 3)
      context.session->ensureTicket(platform::kPDE_PMPrintSettingsRef)
          .set(kPMDuplexingKey, context.duplex, kPrintingManagerClientID);
  } else if (hit == c.colorPopup) {
    context.outputColor = ChosenValue(*hit, context.outputColor);
  } else if (hit == c.destinationPopup) {
    context.outputDestination = ChosenValue(*hit, context.outputDestination);
  } else if (hit == c.setupButton) {
    RunJobTypeSetup(context);
  } else {
    return false;
  }
  return true;
}

// Transparencies printed with separator sheets between them (the slip sheets; 3, printed
// separators, only a ticket brings) name the separators' colour under the paper: the printer
// description's text for its default media colour. A printer without colours shows no line.
std::string SeparatorLine(const PaperOutputContext& context) {
  const std::int32_t mode = context.finishing.slipSheets;
  if (context.jobStock.type() != kStockTypeTransparency || (mode != kSlipSheetsOn && mode != kSlipSheetsPrinted)) return {};
  const PPDFile* ppd = PPDGetCurrent();
  const std::optional<std::string> choice = PPDCopyDefaultChoice(ppd, "MediaColor");
  const std::optional<std::string> colour = choice ? PPDCopyChoiceText(ppd, "MediaColor", *choice) : std::nullopt;
  if (!colour) return {};
  return "\n- " + context.bundle->localizedString("Separators") + context.bundle->localizedString(":") + *colour;
}

void ShowPaperSummary(PaperOutputContext& context) {
  std::string text = GenerateStockSummary(context.bundle, kJobContextJob, context.jobStock, "\n");
  if (text.empty()) text = context.bundle->localizedString("PrinterDefault");
  UpdateSummaryTextView(context.controls.paperSummary, (text + SeparatorLine(context)).c_str());
}

}  // namespace

void SyncToUI(PaperOutputContext& context) {
  PaperOutputControls& c = context.controls;
  if (!context.opened || context.bundle == nullptr) return;
  const std::int32_t jobType = JobTypeOf(context);
  SetPopupButtonToTicketValue(*c.jobTypePopup, jobType);
  c.setupButton->setEnabled(SetupDialogAvailable(jobType));
  ShowPicture(c.jobTypePicture, JobTypePicture(jobType));
  if (c.paperSummary) ShowPaperSummary(context);
  ShowDuplex(context);
  SetPopupButtonToTicketValue(*c.colorPopup, context.outputColor);
  ShowPicture(c.colorPicture, OutputColorPicture(context.outputColor));
  SetPopupButtonToTicketValue(*c.destinationPopup, context.outputDestination);
  ShowFinishing(context);
}

platform::OSStatus PaperOutputEventHandler(ui::Event& event, PaperOutputContext& context) {
  bool handled = false;
  if (event.eventClass == ui::kEventClassControl && event.kind == ui::kEventControlHit) {
    handled = TakeControlChange(event.control, context);
  } else if (event.eventClass == ui::kEventClassCommand && event.kind == ui::kEventCommandProcess) {
    if (IsStockMenuCommand(event.command)) {
      handled = true;
      ApplyStockMenuChoice(event, context.jobStock, context.dialog);
    } else {
      handled = HandleFinishingCommand(context, event);
    }
  }
  if (!handled) return platform::eventNotHandledErr;
  ApplyStockDependentOptions(context);
  SyncToUI(context);
  return platform::noErr;
}

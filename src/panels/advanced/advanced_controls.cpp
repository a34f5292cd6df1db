// The panel's controls and the context kept in step: SyncToUI shows the context, the event
// handler takes what the user does into it, and the job-ticket buttons run their dialogs.
#include "panels/advanced/job_ticket_export_dialog.h"
#include "kit/control_helpers.h"
#include "model/stock.h"
#include "panels/advanced/advanced_panel.h"
#include "panels/advanced/job_ticket_import_dialog.h"
#include "panels/stock_menu/custom_stock_dialogs.h"
#include "platform/ui/interaction.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

void EnablePageRange(AdvancedControls& c, bool on) {
  for (ui::Control* control : c.pageRange) control->setEnabled(on);
}

// A job ticket that could not be read or written: the user is told which file.
void ShowJobTicketFailure(const platform::Bundle* bundle, const char* titleKey, const std::string& path) {
  ui::AlertRequest alert;
  alert.level = ui::AlertLevel::Caution;
  alert.title = bundle->localizedString(titleKey);
  alert.message = FormatLocalizedText(bundle->localizedString("JobTicketFileFailed"), {path});
  alert.buttons = {bundle->localizedString("OK")};
  ui::RunStandardAlert(alert);
}

// The dialog's export and import; none for a panel run without a shell.
const JobTicketService& JobTickets(const AdvancedContext& context) {
  static const JobTicketService none;
  return context.dialog ? context.dialog->jobTickets : none;
}

void RunImport(AdvancedContext& context) {
  std::string path;
  if (RunModalJTKTImportDialog(JobTickets(context), &path) != platform::noErr) ShowJobTicketFailure(context.bundle, "JobTicketImportFailed", path);
}

void RunExport(AdvancedContext& context) {
  std::string path;
  if (RunModalJTKTExportDialog(JobTickets(context), &path) != platform::noErr) ShowJobTicketFailure(context.bundle, "JobTicketExportFailed", path);
}

// A new forced size; the custom size asks for its dimensions, and a cancelled dialog puts the
// pop-up back to the choice before.
void TakeForcedSize(AdvancedContext& context, std::int32_t chosen) {
  if (chosen != kStockSizeCustom) {
    context.forceNewSize = chosen;
    return;
  }
  CustomSize size{context.customWidth, context.customLength};
  if (!TakeAnswer(RunModalCustomStockSizeDialog(context.bundle, size, context.dialog), size)) return;
  context.forceNewSize = chosen;
  context.customWidth = size.width;
  context.customLength = size.length;
}

bool TakeControlChange(ui::Control* hit, AdvancedContext& context) {
  AdvancedControls& c = context.controls;
  if (hit == nullptr) return false;
  if (hit == c.bookletOrderPopup) {
    context.bookletOrder = hit->value() == 1 ? kBookletOrderRightToLeft : kBookletOrderLeftToRight;
  } else if (hit == c.rotatePopup) {
    context.rotatePosition = hit->value();
  } else if (hit == c.opiSubstitutionPopup) {
    context.opiSubstitutionPosition = hit->value();
  } else if (hit == c.opiPrescanPopup) {
    context.opiPrescanPosition = hit->value();
  } else if (hit == c.sendJobTicketBox) {
    context.sendJobTicket = hit->value() != 0;
  } else if (hit == c.pagesBox) {
    context.pagesToPrint = hit->value() != 0;
  } else if (hit == c.forceSizePopup) {
    TakeForcedSize(context, GetPopupButtonTicketValue(*hit).value_or(kForceNewSizeOff));
  } else if (hit == c.importButton) {
    SyncFromUI(context);
    RunImport(context);
  } else if (hit == c.exportButton) {
    SyncFromUI(context);
    RunExport(context);
  } else if (hit == c.aboutButton) {
    RunModalAboutBox(context);
  } else {
    return false;
  }
  return true;
}

}  // namespace

void SyncToUI(AdvancedContext& context) {
  AdvancedControls& c = context.controls;
  if (!context.opened) return;
  c.bookletOrderPopup->setValue(context.bookletOrder == kBookletOrderRightToLeft ? 1 : 2);
  c.rotatePopup->setValue(context.rotatePosition);
  c.opiSubstitutionPopup->setValue(context.opiSubstitutionPosition);
  c.opiPrescanPopup->setValue(context.opiPrescanPosition);
  if (!SetPopupButtonToTicketValue(*c.forceSizePopup, context.forceNewSize))
    SetPopupButtonToTicketValue(*c.forceSizePopup, kForceNewSizeOff);
  c.sendJobTicketBox->setValue(context.sendJobTicket ? 1 : 0);
  c.pagesBox->setValue(context.pagesToPrint ? 1 : 0);
  c.fromField->setText(context.fromText);
  c.toField->setText(context.toText);
  EnablePageRange(c, context.pagesToPrint);
}

void SyncFromUI(AdvancedContext& context) {
  if (!context.opened) return;
  context.fromText = context.controls.fromField->text();
  context.toText = context.controls.toField->text();
}

platform::OSStatus AdvancedEventHandler(ui::Event& event, AdvancedContext& context) {
  bool handled = false;
  if (event.eventClass == ui::kEventClassControl && event.kind == ui::kEventControlHit)
    handled = TakeControlChange(event.control, context);
  else if (event.eventClass == ui::kEventClassCommand && event.command == kForceNewSizeCommand)
    handled = true;  // the pop-up's hit has taken the choice
  if (!handled) return platform::eventNotHandledErr;
  SyncFromUI(context);
  SyncToUI(context);
  return platform::noErr;
}

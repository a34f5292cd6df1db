// The panel's controls and its context kept in step: SyncToUI shows the context, the handler
// takes what the user does into it.
#include <algorithm>
#include <cstdio>

#include "kit/control_helpers.h"
#include "kit/input_history.h"
#include "kit/preference_locations.h"
#include "model/booklet_layout_rules.h"
#include "model/paper_output_keys.h"
#include "model/text_compare.h"
#include "model/ticket_clients.h"
#include "panels/background_forms/background_form_dialogs.h"
#include "panels/background_forms/form_name_field.h"
#include "panels/booklet/booklet_dialog.h"
#include "panels/booklet_watermark/booklet_watermark_panel.h"
#include "platform/ui/interaction.h"
#include "vocabulary/setting_map.h"
#include "vocabulary/setting_map_menus.h"
#include "watermark/watermark.h"

namespace ui = platform::ui;

namespace {

constexpr platform::OSType kNoWatermarkCommand = platform::FourCharCode("KWmX");
constexpr platform::OSType kSavedWatermarkCommand = platform::FourCharCode("KWmW");
constexpr platform::OSType kOptionsCommand = platform::FourCharCode("KWmO");
constexpr platform::OSType kNewCommand = platform::FourCharCode("KWmN");
constexpr platform::OSType kEditCommand = platform::FourCharCode("KWmE");
constexpr platform::OSType kDeleteCommand = platform::FourCharCode("KWmD");
constexpr platform::OSType kBehindCommand = platform::FourCharCode("KWmB");
constexpr platform::OSType kBlendedCommand = platform::FourCharCode("KWmL");
constexpr platform::OSType kOverCommand = platform::FourCharCode("KWmF");
constexpr platform::OSType kAllPagesCommand = platform::FourCharCode("KWmA");
constexpr platform::OSType kFirstPageCommand = platform::FourCharCode("KWm1");
constexpr platform::OSType kNoFormCommand = platform::FourCharCode("BfCn");
constexpr platform::OSType kFormSetupCommand = platform::FourCharCode("BfCs");
constexpr platform::OSType kExistingFormCommand = platform::FourCharCode("BfCe");
constexpr std::int32_t kAllPagesValue = 4;
constexpr std::int32_t kFirstPageValue = 5;

// The watermark menu: "No Watermark", the Options submenu with the layer and page choices checked,
// the editing items (Edit... and Delete only with a watermark chosen), then the saved watermarks.
void FillWatermarkMenu(const BookletWatermarkContext& c, ui::Menu& menu) {
  menu.clear();
  PopulateMenuFromMap(c.bundle, menu, WatermarkMap, kJobContextJob, 0);
  auto options = std::make_shared<ui::Menu>();
  PopulateMenuFromMap(c.bundle, *options, WatermarkOptionsMap, kJobContextJob, 0);
  const std::int32_t pageValue = c.firstPageOnly ? kFirstPageValue : kAllPagesValue;
  for (int i = 1; i <= options->count(); ++i) {
    ui::MenuItem& item = *options->item(i);
    item.checked = item.refValue && (*item.refValue == c.layer || *item.refValue == pageValue);
  }
  for (int i = 1; i <= menu.count(); ++i) {
    ui::MenuItem& item = *menu.item(i);
    if (item.command == kOptionsCommand) {
      item.submenu = options;
    } else if (item.command == kDeleteCommand || item.command == kEditCommand) {
      item.enabled = !c.watermark.empty();
    }
  }
  for (const std::string& name : c.watermarks) menu.append(ui::MenuItem(name, kSavedWatermarkCommand));
}

int WatermarkItem(const BookletWatermarkContext& c, const ui::Menu& menu) {
  if (!c.watermark.empty())
    for (int i = 1; i <= menu.count(); ++i)
      if (menu.item(i)->command == kSavedWatermarkCommand && menu.item(i)->text == c.watermark) return i;
  return 1;  // "No Watermark"
}

// The form merged with the job, when there is one.
std::optional<std::string> MergedForm(const BookletWatermarkContext& c) {
  std::int32_t useExisting = 1;
  std::optional<std::string> name;
  c.forms.useExistingForm(&useExisting);
  c.forms.mergeWithString(&name);
  if (useExisting != 2 || !name || name->empty()) return std::nullopt;
  return name;
}

// The background-form pop-up: "None", "Setup...", then the forms named in the set-up before (its
// form-name history; the merged one among them, also when the history has lost it); the merged
// one chosen and checked.
void ShowFormsPopup(const BookletWatermarkContext& c, ui::Control& popup) {
  ui::Menu& menu = popup.menu();
  menu.clear();
  PopulateMenuFromMap(c.bundle, menu, BookletWatermarkBackgroundFormsMap, kJobContextJob, 0);
  std::vector<std::string> names = CopyInputHistoryStrings(kExistingFormsHistoryKey);
  const std::optional<std::string> merged = MergedForm(c);
  if (merged && std::none_of(names.begin(), names.end(), [&](const std::string& n) { return EqualIgnoringCase(n, *merged); }))
    names.insert(names.begin(), *merged);
  int chosen = 1;
  for (const std::string& name : names) {
    const int item = menu.append(ui::MenuItem(name, kExistingFormCommand));
    if (merged && chosen == 1 && EqualIgnoringCase(name, *merged)) chosen = item;
  }
  for (int i = 1; i <= menu.count(); ++i) menu.item(i)->checked = i == chosen;
  popup.setMaximum(menu.count());
  popup.setValue(chosen);
}

// "Setup...": the set-up dialog on the options; its OK merges with the form named there and
// keeps the name in the history.
void RunFormSetup(BookletWatermarkContext& c) {
  DialogAnswer<BackgroundFormsEdit> answer =
      RunModalBackgroundFormSetupDialog(c.bundle, BackgroundFormsEdit(c.forms, c.formsFullPrecision));
  if (!answer.record) return;
  c.forms = answer.record->options;
  c.formsFullPrecision = answer.record->fullPrecision;
  if (c.forms.saveHistory() != platform::noErr)
    std::fprintf(stderr, "ERROR: the background forms' history could not be saved\n");
}

bool TakeFormsCommand(BookletWatermarkContext& c, const ui::Event& e) {
  switch (e.command) {
    case kNoFormCommand:
      c.forms.setMergeWithString(std::nullopt);
      return true;
    case kFormSetupCommand: RunFormSetup(c); return true;
    case kExistingFormCommand:
      if (e.menu == nullptr || e.menu->item(e.menuItem) == nullptr) return false;
      c.forms.setMergeWithString(e.menu->item(e.menuItem)->text);
      c.forms.setUseExistingForm(2);
      return true;
    default: return false;
  }
}

// Turning booklet on or off reaches the ticket at once, so that the other panels agree.
void TakeBookletChoice(BookletWatermarkContext& c, bool on) {
  c.bookletOn = on;
  if (c.session == nullptr) return;
  platform::Ticket& settings = c.session->ensureTicket(platform::kPDE_PMPrintSettingsRef);
  settings.set(kBookletLayoutKey, on, kPanelsClientID);
  PutBookletDuplex(settings, on);
}

// "Booklet Options...": the booklet dialog on the panel's booklet values; Cancel changes nothing.
void RunBookletOptions(BookletWatermarkContext& c) {
  BookletParameters p;
  p.fold = c.fold.value_or(1);
  p.layoutOn = c.bookletOn;
  p.outlines = c.outlines;
  p.newSize = c.forcedSize;
  p.width = c.forcedWidth;
  p.length = c.forcedLength;
  p.gutter = c.gutter;
  p.creep = c.creep;
  if (!TakeAnswer(RunModalBookletOptionsDialog(c.bundle, c.session, p, c.dialog), p)) return;
  if (p.fold != c.fold.value_or(1)) c.fold = p.fold;
  c.outlines = p.outlines;
  c.forcedSize = p.newSize;
  c.forcedWidth = p.width;
  c.forcedLength = p.length;
  c.gutter = p.gutter;
  c.creep = p.creep;
  if (p.layoutOn != c.bookletOn) TakeBookletChoice(c, p.layoutOn);
}

std::string Localized(const BookletWatermarkContext& c, const char* key) {
  return c.bundle ? c.bundle->localizedString(key) : std::string(key);
}

// "Delete", once the user has said yes: the chosen watermark leaves the file and the menu, and no
// watermark is chosen. A file that cannot be changed says so and keeps everything as it was.
void DeleteChosenWatermark(BookletWatermarkContext& c) {
  if (c.watermark.empty()) return;
  ui::AlertRequest ask{ui::AlertLevel::Caution, Localized(c, "Delete Watermark Header"),
                       Localized(c, "Delete Watermark Message"),
                       {Localized(c, "No Command"), Localized(c, "Yes Command")},  // keeping it is the default
                       1};  // and what Escape answers
  if (ui::RunStandardAlert(ask) != 2) return;
  std::string error;
  if (removeWatermarkData(kWatermarkFileName, c.watermark, &error) != WatermarkResult::kDone) {
    ui::RunStandardAlert({ui::AlertLevel::Stop, Localized(c, "Watermark Not Deleted"), error, {Localized(c, "OK")}});
    return;
  }
  c.watermarks = LoadSavedWatermarkNames(c.bundle, false);
  c.watermark.clear();
}

bool TakeWatermarkCommand(BookletWatermarkContext& c, const ui::Event& e) {
  switch (e.command) {
    case kNewCommand: NewWatermark(c); return true;
    case kEditCommand: EditChosenWatermark(c); return true;
    case kDeleteCommand: DeleteChosenWatermark(c); return true;
    case kNoWatermarkCommand: c.watermark.clear(); return true;
    case kSavedWatermarkCommand:
      if (e.menu == nullptr || e.menu->item(e.menuItem) == nullptr) return false;
      c.watermark = e.menu->item(e.menuItem)->text;
      return true;
    case kBehindCommand: c.layer = kWatermarkBehind; return true;
    case kBlendedCommand: c.layer = kWatermarkBlended; return true;
    case kOverCommand: c.layer = kWatermarkOver; return true;
    case kAllPagesCommand: c.firstPageOnly = false; return true;
    case kFirstPageCommand: c.firstPageOnly = true; return true;
    default: return false;
  }
}

}  // namespace

void BookletWatermarkSyncToUI(BookletWatermarkContext& context) {
  if (!context.opened) return;
  BookletWatermarkControls& c = context.controls;
  SetPopupButtonToTicketValue(*c.bookletPopup, context.bookletOn ? kBookletLayoutOn : kBookletLayoutOff);
  c.bookletPopup->setEnabled(context.bookletAvailable);
  SetPopupButtonToTicketValue(*c.outlinesPopup, context.outlines);
  c.outlinesPopup->setEnabled(context.bookletAvailable && context.bookletOn);
  c.optionsButton->setEnabled(context.bookletOn);  // special pages rule out turning booklet on, not its options
  c.bookletPicture->setPicture(BookletPicture(context.fold.value_or(1), context.bookletOn, context.outlines));
  DrawControl(*c.bookletPicture);
  FillWatermarkMenu(context, c.watermarkPopup->menu());
  c.watermarkPopup->setMaximum(c.watermarkPopup->menu().count());
  c.watermarkPopup->setValue(WatermarkItem(context, c.watermarkPopup->menu()));
  ShowWatermarkPreview(context);
  ShowFormsPopup(context, *c.formsPopup);
}

platform::OSStatus BookletWatermarkEventHandler(ui::Event& event, BookletWatermarkContext& context) {
  BookletWatermarkControls& c = context.controls;
  bool handled = false;
  if (event.eventClass == ui::kEventClassControl && event.kind == ui::kEventControlHit) {
    if (event.control != nullptr && event.control == c.bookletPopup) {
      TakeBookletChoice(context, GetPopupButtonTicketValue(*c.bookletPopup) == kBookletLayoutOn);
      handled = true;
    } else if (event.control != nullptr && event.control == c.optionsButton) {
      RunBookletOptions(context);
      handled = true;
    } else if (event.control != nullptr && event.control == c.outlinesPopup) {
      context.outlines = GetPopupButtonTicketValue(*c.outlinesPopup).value_or(context.outlines);
      handled = true;
    }
    // The watermark pop-up's items are told apart by their commands, which follow the hit.
  } else if (event.eventClass == ui::kEventClassCommand && event.kind == ui::kEventCommandProcess) {
    handled = TakeWatermarkCommand(context, event) || TakeFormsCommand(context, event);
  }
  if (!handled) return platform::eventNotHandledErr;
  BookletWatermarkSyncToUI(context);
  return platform::noErr;
}

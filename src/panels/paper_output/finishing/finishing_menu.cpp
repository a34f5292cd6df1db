#include "panels/paper_output/finishing/finishing_menu.h"

#include "panels/booklet/booklet_dialog.h"
#include "panels/paper_output/finishing/finishing_dialogs.h"
#include "panels/paper_output/finishing/finishing_features.h"
#include "panels/paper_output/finishing/finishing_rules.h"
#include "panels/paper_output/pad_printing_dialog.h"

namespace ui = platform::ui;

namespace {

void Add(const PaperOutputContext& c, ui::Menu& menu, const char* key, platform::OSType command,
         std::optional<std::int32_t> ref = std::nullopt) {
  menu.append(ui::MenuItem(c.bundle ? c.bundle->localizedString(key) : std::string(key), command, ref));
}

bool BothBindSides() { return AllRowsInstalled(kBindPositions); }

bool Among(std::int32_t code, std::initializer_list<std::int32_t> codes) {
  for (std::int32_t c : codes)
    if (c == code) return true;
  return false;
}

// Whether the item stands for the current finishing code.
bool ItemOfCode(const ui::MenuItem& item, const FinishingState& f) {
  switch (item.command) {
    case kFinishingPrinterDefaultCommand: return f.code == kFinishingPrinterDefault;
    case kFinishingNoneCommand: return f.code == kFinishingNone;
    case kFinishingSignatureCommand: return f.code == kFinishingSignatureBooklet;
    case kFinishingOneStapleCommand: return f.code == kFinishingOneStaple;
    case kFinishingTwoStaplesCommand: return f.code == kFinishingTwoStaples;
    case kFinishingBindCommand: return f.code == kFinishingBind;
    case kFinishingCustomCommand: return f.code == kFinishingCustom;
    case kFinishingBookletCommand: return f.code == kFinishingBooklet;
    case kFinishingCenterStapleCommand: return f.code == kFinishingCenterStaple;
    case kFinishingHolePunchCommand: return f.code == kFinishingHolePunch && item.refValue == f.holePunchOptions;
    case kFinishingZFoldCommand: return f.code == kFinishingZFoldHalfSheet;
    case kFinishingFoldCommand: return f.code == kFinishingFold || f.code == kFinishingAdvancedFold;
    case kFinishingMultipleCommand:
      return Among(f.code,
                   {kFinishingStaplePunch, kFinishingStaplePunchZFold, kFinishingStapleZFold, kFinishingPunchZFold});
    case kFinishingCoilPunchCommand: return f.code == kFinishingCoilPunch;
    default: return false;
  }
}

// "Bind" without a dialog: the one side the binder has.
void BindOnInstalledSide(FinishingState& f) {
  f.bind = FinishingFeatureInstalled(kBindPositions[0].feature) ? kBindPositions[0].stored : kBindPositions[1].stored;
  f.code = kFinishingBind;
  f.staple1 = f.staple2 = f.stapleCenter = 0;
  f.holePunchValue = 0;
  f.zFold = f.fold = 0;
  SquareFoldAndTrimOff(f);
}

void TakePosition(PaperOutputContext& c, PositionFinishing finishing, std::int32_t holesCode = 0) {
  TakeAnswer(RunModalPositionFinishingDialog(c, finishing, holesCode), c.finishing);
}

bool StapleChosen(std::int32_t value) { return value > kStapleNone; }

// "Booklet Creation...": the booklet dialog on the panel's booklet values; OK hands its
// results to the booklet rules, Cancel changes nothing.
void RunBookletCreation(PaperOutputContext& c) {
  const FinishingState& f = c.finishing;
  BookletParameters p;
  p.fold = f.code == kFinishingBooklet && (f.fold == kFoldBiFoldMultipleInside || f.fold == kFoldBookletFoldStaple)
               ? f.fold
               : kFoldNone;
  p.layoutOn = c.booklet.on;
  p.outlines = c.booklet.outlines.value_or(1);
  p.newSize = c.booklet.newSize;
  p.width = c.jobStock.width();
  p.length = c.jobStock.length();
  p.gutter = c.booklet.gutter;
  p.creep = c.booklet.creep;
  const bool staples = StapleChosen(f.staple1) || StapleChosen(f.staple2) || StapleChosen(f.stapleCenter);
  if (!TakeAnswer(RunModalBookletCreationDialog(c.bundle, c.session, staples, p, c.dialog), p)) return;
  // A custom forced size keeps its dimensions in the job's stock, beside the size the booklet puts there.
  if (p.layoutOn && p.newSize == kStockSizeCustom) {
    c.jobStock.setWidth(p.width);
    c.jobStock.setLength(p.length);
  }
  BookletSettings settings = c.booklet;
  settings.on = p.layoutOn;
  if (p.layoutOn) settings.outlines = p.outlines;
  settings.newSize = p.newSize;
  settings.gutter = p.gutter;
  settings.creep = p.creep;
  settings.fold = p.fold;
  ApplyBookletSettings(c, settings);
}

}  // namespace

void BuildFinishingMenu(const PaperOutputContext& c, ui::Menu& menu) {
  menu.clear();
  Add(c, menu, "Printer Default", kFinishingPrinterDefaultCommand);
  Add(c, menu, "None", kFinishingNoneCommand);
  const bool staples = StapleKindInstalled(StapleKind::OneStaple);
  const bool twoStaples = StapleKindInstalled(StapleKind::TwoStaples);
  const bool centerStaple = StapleKindInstalled(StapleKind::CenterStaple);
  bool punch = false;
  for (const HolePunchCount& count : kHolePunchCounts) punch = punch || HolePunchCountInstalled(count);
  const bool zFold = AnyRowInstalled(kZFoldSides);
  if (staples) Add(c, menu, "1 Staple...", kFinishingOneStapleCommand);
  if (twoStaples) Add(c, menu, "2 Staples...", kFinishingTwoStaplesCommand);
  if (centerStaple) Add(c, menu, "Center Staple...", kFinishingCenterStapleCommand);
  if (BothBindSides()) {
    Add(c, menu, "Bind...", kFinishingBindCommand);
  } else if (AnyRowInstalled(kBindPositions)) {
    Add(c, menu, "Bind", kFinishingBindCommand);
  }
  for (const HolePunchCount& count : kHolePunchCounts)
    if (HolePunchCountInstalled(count)) Add(c, menu, count.menuLabel, kFinishingHolePunchCommand, count.holesCode);
  if (AnyRowInstalled(kFolds)) Add(c, menu, "Fold...", kFinishingFoldCommand);
  if (zFold) Add(c, menu, "Z Fold Half Sheet...", kFinishingZFoldCommand);
  const int groups = (staples || twoStaples || centerStaple ? 1 : 0) + (punch ? 1 : 0) + (zFold ? 1 : 0);
  if (groups >= 2) Add(c, menu, "Multiple Finishing...", kFinishingMultipleCommand);
  if (FinishingFeatureInstalled(kFeatureSignatureBooklet)) Add(c, menu, "SignatureBooklet", kFinishingSignatureCommand);
  if (FinishingFeatureInstalled(kFeatureCustom)) Add(c, menu, "Custom...", kFinishingCustomCommand);
  if (FinishingFeatureInstalled(kFeatureCoilPunch)) Add(c, menu, "CoilPunch...", kFinishingCoilPunchCommand);
  menu.appendSeparator();
  if (FinishingFeatureInstalled(kFeatureSlipSheets)) Add(c, menu, "Slip Sheets", kFinishingSlipSheetsCommand);
  if (FinishingFeatureInstalled(kFeatureOffset)) Add(c, menu, "Offset/Subset...", kFinishingOffsetCommand);
  Add(c, menu, "PadsMenu", kFinishingPadsCommand);
  menu.appendSeparator();
  Add(c, menu, "Booklet Creation...", kFinishingBookletCommand);
  UpdateFinishingMenu(c, menu);
}

void UpdateFinishingMenu(const PaperOutputContext& c, ui::Menu& menu) {
  const FinishingState& f = c.finishing;
  for (int i = 1; i <= menu.count(); ++i) {
    ui::MenuItem& item = *menu.item(i);
    if (item.separator) continue;
    bool checked = ItemOfCode(item, f);
    switch (item.command) {
      case kFinishingFoldCommand: checked = checked || (f.code == kFinishingBooklet && !c.booklet.on); break;
      case kFinishingBookletCommand: checked = checked || c.booklet.on; break;
      case kFinishingOffsetCommand: checked = f.offset != kOffsetPrinterDefault; break;
      case kFinishingPadsCommand: checked = c.pads.on; break;
      case kFinishingSlipSheetsCommand: checked = f.slipSheets == kSlipSheetsOn; break;
      default: break;
    }
    item.checked = checked;
    switch (item.command) {
      case kFinishingOneStapleCommand:
      case kFinishingTwoStaplesCommand: item.enabled = !c.booklet.on; break;
      case kFinishingCoilPunchCommand:
        item.enabled = c.coilPunchAllowed;
        if (!item.enabled) item.checked = false;
        break;
      // Pads exclude booklets and special pages.
      case kFinishingPadsCommand: item.enabled = !c.booklet.on && !c.specialPagesExist; break;
      default: break;
    }
  }
}

bool HandleFinishingCommand(PaperOutputContext& c, const ui::Event& event) {
  FinishingState& f = c.finishing;
  const ui::MenuItem* item = event.menu ? event.menu->item(event.menuItem) : nullptr;
  const std::optional<std::int32_t> ref = item ? item->refValue : std::nullopt;
  switch (event.command) {
    case kFinishingPrinterDefaultCommand: ChoosePrinterDefaultFinishing(f); break;
    case kFinishingNoneCommand: ChooseNoFinishing(f); break;
    case kFinishingSignatureCommand: ChooseSignatureBooklet(f); break;
    case kFinishingSlipSheetsCommand: ToggleSlipSheets(c); break;
    case kFinishingOneStapleCommand: TakePosition(c, PositionFinishing::OneStaple); break;
    case kFinishingTwoStaplesCommand: TakePosition(c, PositionFinishing::TwoStaples); break;
    case kFinishingCenterStapleCommand: TakePosition(c, PositionFinishing::CenterStaple); break;
    case kFinishingBindCommand:
      if (BothBindSides()) {
        TakePosition(c, PositionFinishing::Bind);
      } else {
        BindOnInstalledSide(f);
      }
      break;
    case kFinishingHolePunchCommand:
      if (ref) TakePosition(c, PositionFinishing::HolePunch, *ref);
      break;
    case kFinishingFoldCommand:
      if (AnyAdvancedFoldInstalled()) {
        TakeAnswer(RunModalAdvancedFoldFinishingDialog(c), f);
        AfterAdvancedFoldDialog(f);
      } else {
        TakePosition(c, PositionFinishing::Fold);
      }
      break;
    case kFinishingZFoldCommand: TakeAnswer(RunModalZFoldFinishingDialog(c), f); break;
    case kFinishingCustomCommand: TakeAnswer(RunModalCustomFinishingDialog(c), f); break;
    case kFinishingMultipleCommand: TakeAnswer(RunModalMultipleFinishingDialog(c), f); break;
    case kFinishingOffsetCommand:
      TakeAnswer(RunModalOffsetFinishingDialog(c), f);
      AfterOffsetDialog(f);
      break;
    case kFinishingCoilPunchCommand: TakeAnswer(RunModalCoilPunchFinishingDialog(c), f); break;
    case kFinishingPadsCommand:
      // Cancel turns pads off: the dialog is how pads are asked for, and a job left with pads
      // the operator walked away from would print as pads.
      if (PadPrinting pads; TakeAnswer(RunModalPadPrintingDialog(c), pads)) {
        c.pads = std::move(pads.pads);
        c.padStock = std::move(pads.paper);
      } else {
        c.pads.on = false;
      }
      break;
    case kFinishingBookletCommand: RunBookletCreation(c); break;
    case kFinishingFoldCodeCommand:
      if (ref) ApplyFoldCommand(c, *ref);
      break;
    case kFinishingRemoveStaplesCommand: RemoveStaples(c); break;
    default: return false;
  }
  return true;
}

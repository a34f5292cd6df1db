#include "panels/paper_output/finishing/finishing_rules.h"

#include "model/booklet_layout_rules.h"
#include "model/paper_output_keys.h"
#include "model/ticket_clients.h"
#include "panels/paper_output/finishing/finishing_features.h"

namespace {

void ClearPositions(FinishingState& f) {
  f.staple1 = f.staple2 = f.stapleCenter = 0;
  f.holePunchValue = 0;
  f.zFold = 0;
  f.fold = 0;
  f.bind = 0;
}

void ResetOffset(FinishingState& f) {
  f.offsetSubsets = 0;
  f.offset = kOffsetPrinterDefault;
}

bool IsBookletFold(std::int32_t fold) { return fold == kFoldBiFoldMultipleInside || fold == kFoldBookletFoldStaple; }

// Coil punch: paper neither label stock nor transparency of 80..216 gsm.
constexpr std::int32_t kCoilMinimumWeight = 80;
constexpr std::int32_t kCoilMaximumWeight = 216;
// Stock types square fold and trimming cannot take: labels, transparency, pre-cut and full-cut tabs.
bool RulesOutSquareFold(std::int32_t type) {
  return type == kStockTypeLabels || type == kStockTypeTransparency || type == kStockTypePrecutTab ||
         type == kStockTypeFullCutTab;
}

}  // namespace

void ChoosePrinterDefaultFinishing(FinishingState& f) {
  f.code = kFinishingPrinterDefault;
  ClearPositions(f);
  SquareFoldAndTrimOff(f);
}

void ChooseNoFinishing(FinishingState& f) {
  f.code = kFinishingNone;
  ClearPositions(f);
  SquareFoldAndTrimOff(f);
}

void ChooseSignatureBooklet(FinishingState& f) {
  f.code = kFinishingSignatureBooklet;
  ClearPositions(f);
}

void ToggleSlipSheets(PaperOutputContext& c) {
  c.finishing.slipSheets = c.finishing.slipSheets == kSlipSheetsOn ? 0 : kSlipSheetsOn;
  if (c.finishing.slipSheets == kSlipSheetsOn) c.pads.on = false;
}

void ApplyFoldCommand(PaperOutputContext& c, std::int32_t foldCode) {
  FinishingState& f = c.finishing;
  f.code = kFinishingAdvancedFold;
  f.staple1 = f.staple2 = f.stapleCenter = kStapleNone;
  f.holePunchValue = kStapleNone;
  f.fold = foldCode;
}

void RemoveStaples(PaperOutputContext& c) {
  FinishingState& f = c.finishing;
  f.staple1 = f.staple2 = f.stapleCenter = kStapleNone;
  if (f.code == kFinishingBooklet) {
    f.code = kFinishingPrinterDefault;
    f.fold = kFoldNone;
  }
}

void AfterOffsetDialog(FinishingState& f) {
  if (f.code != kFinishingBooklet && f.code != kFinishingAdvancedFold) return;
  f.code = kFinishingPrinterDefault;
  f.fold = kFoldNone;
  SquareFoldAndTrimOff(f);
}

void AfterAdvancedFoldDialog(FinishingState& f) {
  if (f.code == kFinishingAdvancedFold) ResetOffset(f);
}

void AfterCoilPunchDialog(FinishingState& f) {
  if (RowWith(kCoilPunchPositions, &CoilPunchPosition::stored, f.coil) == nullptr) return;
  f.code = kFinishingCoilPunch;
  SquareFoldAndTrimOff(f);
}

void SetBookletLayout(PaperOutputContext& c, bool on) {
  if (on == c.booklet.on) return;
  c.booklet.on = on;
  // The session's ticket follows at once, so that the other panels agree.
  platform::Ticket* settings = c.session ? c.session->ticket(platform::kPDE_PMPrintSettingsRef) : nullptr;
  if (on) {
    c.pads.on = false;
    FinishingState& f = c.finishing;
    f.staple1 = f.staple2 = f.stapleCenter = kStapleNone;
    if (settings) {
      settings->set(kBookletLayoutKey, true, kPanelsClientID);
      PutBookletDuplexOn(*settings);
    }
    return;
  }
  if (settings == nullptr) return;
  settings->set(kBookletLayoutKey, false, kPanelsClientID);
  if (std::optional<std::int32_t> restored = GiveBackDuplexAfterBooklet(*settings)) c.duplex = *restored;
}

void ApplyBookletSettings(PaperOutputContext& c, const BookletSettings& settings) {
  const std::int32_t oldFold = c.booklet.fold;
  SetBookletLayout(c, settings.on);
  c.booklet.outlines = settings.outlines;
  c.booklet.newSize = settings.newSize;
  c.booklet.gutter = settings.gutter;
  c.booklet.creep = settings.creep;
  c.booklet.fold = settings.fold;
  FinishingState& f = c.finishing;
  if (IsBookletFold(settings.fold)) {
    f.code = kFinishingBooklet;
    f.fold = settings.fold;
    f.staple1 = f.staple2 = f.stapleCenter = kStapleNone;
  } else if (IsBookletFold(oldFold) && f.code == kFinishingBooklet) {
    f.code = kFinishingPrinterDefault;
  }
  if (f.code == kFinishingBooklet) ResetOffset(f);
}

void ApplyStockDependentOptions(PaperOutputContext& c) {
  const Stock& stock = c.jobStock;
  if (FinishingFeatureInstalled(kFeatureCoilPunch)) {
    const std::int32_t weight = stock.weight() == kPrinterDefault ? kCoilMinimumWeight : stock.weight();
    c.coilPunchAllowed = stock.type() != kStockTypeLabels && stock.type() != kStockTypeTransparency &&
                         weight >= kCoilMinimumWeight && weight <= kCoilMaximumWeight;
    if (!c.coilPunchAllowed) {
      c.finishing.coil = 0;
      if (c.finishing.code == kFinishingCoilPunch) c.finishing.code = kFinishingPrinterDefault;
    }
  }
  if (FinishingFeatureInstalled(kFeatureSquareFoldTrimmer)) {
    c.squareFoldAvailable = !RulesOutSquareFold(stock.type());
    if (!c.squareFoldAvailable) SquareFoldAndTrimOff(c.finishing);
  }
}

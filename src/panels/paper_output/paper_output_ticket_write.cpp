// Writing the panel's entries into the print-settings ticket.
#include "model/background_forms_options.h"
#include "model/job_level_stock.h"
#include "panels/paper_output/paper_output_keys.h"
#include "panels/paper_output/paper_output_ticket.h"
#include "vocabulary/ppd_bridge.h"

namespace keys = paper_output_keys;
using platform::Ticket;

namespace {

void Put(Ticket& t, const char* key, platform::PlistValue value) { t.set(key, std::move(value), keys::kClient); }

// Keeps the printer description's choice for a main keyword in step with a ticket value; a value
// the keyword's map does not hold leaves the stored choice alone.
void SetPPDChoice(Ticket& t, const char* mainKeyword, std::int32_t value) {
  if (const char* choice = PPDChoiceForTicketValue(mainKeyword, value)) PPDSetCurrentChoice(&t, mainKeyword, choice);
}

void WriteFinishing(const FinishingState& f, Ticket& t) {
  // "Printer Default" leaves the finishing to the printer: no entry at all.
  if (f.code == kFinishingPrinterDefault) {
    t.remove(keys::kFinishingOptions);
  } else {
    Put(t, keys::kFinishingOptions, f.code);
  }
  Put(t, keys::kOffset, f.offset);
  Put(t, keys::kOffsetEnableSubset, f.offsetSubsets);
  if (f.offsetSubsets != 0) Put(t, keys::kOffsetPagesPerSubset, f.pagesPerSubset);
  Put(t, keys::kSlipSheet, f.slipSheets);
  Put(t, keys::kFoldValue, f.fold);
  Put(t, keys::kZFoldValue, f.zFold);
  Put(t, keys::kHolePunchValue, f.holePunchValue);
  Put(t, keys::kHolePunchOptions, f.holePunchOptions);
  Put(t, keys::kStaple1Value, f.staple1);
  Put(t, keys::kStaple2Value, f.staple2);
  Put(t, keys::kStapleCenterValue, f.stapleCenter);
  Put(t, keys::kBindValue, f.bind);
  Put(t, keys::kCustom, f.custom);
  Put(t, keys::kCoilPunchValue, f.coil);
  Put(t, keys::kSquareFoldValue, f.squareFoldOn ? f.squareFoldValue : -1);
  Put(t, keys::kTrimLengthValue, f.trimOn ? TrimLengthMillimetres(f) : -1);
}

void WriteJobType(PaperOutputContext& c, Ticket& t) {
  platform::PlistDict& d = c.jobType;
  const std::int32_t jobType = JobTypeOf(c);
  d[keys::kJobTypeValue] = jobType;
  if (jobType != kJobTypeSavedJob) d.erase(keys::kSaveDisposition);
  const platform::PlistValue* useJobName = platform::PlistDictFind(d, keys::kUseJobName);
  const bool usesJobName = useJobName == nullptr || useJobName->asBoolean() == nullptr || *useJobName->asBoolean();
  platform::PlistDict written = d;
  if (usesJobName) written.erase(keys::kSavedJobName);
  written[keys::kPadEnable] = c.pads.on;
  Put(t, keys::kJobType, std::move(written));
  if (jobType == kJobTypeBackgroundForm) Put(t, kBackgroundFormsOptionsKey, c.backgroundForms.asTicket());
}

void WritePads(const PaperOutputContext& c, Ticket& t) {
  if (!c.pads.on) return;
  Put(t, keys::kPadLevelStock, c.padStock.asTicket());
  Put(t, keys::kNoOfPads, c.pads.numberOfPads);
  Put(t, keys::kPagesPerPads, c.pads.pagesPerPad);
  Put(t, keys::kPadBackCover, c.pads.backCover);
  t.set(keys::kPMCopyCollate, false, keys::kPrintingManagerClient);
}

// The booklet entries. "Size" in the job stock belongs to the booklet only while booklet is on,
// or when the ticket said the booklet had put it there; otherwise it is someone else's size.
void WriteBooklet(PaperOutputContext& c, Ticket& t) {
  Put(t, keys::kBookletLayout, c.booklet.on);
  if (c.booklet.on && c.booklet.outlines) Put(t, keys::kBookletDrawOutlines, *c.booklet.outlines);
  Put(t, keys::kGutter, c.booklet.gutter);
  Put(t, keys::kCreep, c.booklet.creep);
  if (!c.booklet.on && !c.bookletFlagRead) return;
  const bool forced = c.booklet.on && c.booklet.newSize != kPrinterDefault;
  c.jobStock.setSize(forced ? c.booklet.newSize : kPrinterDefault);
  Put(t, keys::kBookletForceNewSize, forced);
  c.bookletFlagRead = forced;
}

void WriteDuplex(const PaperOutputContext& c, Ticket& t) {
  if (c.booklet.on) {
    Put(t, keys::kFinishingDuplex, kDuplexShortEdge);
    t.set(keys::kPMDuplexing, kDuplexLongEdge, keys::kPrintingManagerClient);
    SetPPDChoice(t, keys::kPPDDuplex, kDuplexLongEdge);
    return;
  }
  Put(t, keys::kFinishingDuplex, c.duplex);
  SetPPDChoice(t, keys::kPPDDuplex, c.duplex);
}

}  // namespace

void WritePaperOutputTicket(PaperOutputContext& c, Ticket& t) {
  if (c.opened) {
    WriteBooklet(c, t);
    WriteDuplex(c, t);
  }
  WriteJobLevelStock(t, c.jobStock, keys::kClient);
  if (c.outputDestination == kPrinterDefault) {
    t.remove(keys::kOutputDestination);
  } else {
    Put(t, keys::kOutputDestination, c.outputDestination);
    SetPPDChoice(t, keys::kPPDOutputBin, c.outputDestination);
  }
  Put(t, keys::kOutputColor, c.outputColor);
  WriteJobType(c, t);
  WriteFinishing(c.finishing, t);
  WritePads(c, t);
}

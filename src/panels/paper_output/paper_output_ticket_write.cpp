// Writing the panel's entries into the print-settings ticket.
#include "model/background_forms_keys.h"
#include "model/background_forms_options.h"
#include "model/booklet_layout_rules.h"
#include "model/job_level_stock.h"
#include "model/paper_output_keys.h"
#include "model/platform_keys.h"
#include "model/ticket_clients.h"
#include "panels/paper_output/paper_output_ticket.h"
#include "vocabulary/ppd_bridge.h"
#include "vocabulary/ppd_main_keywords.h"

using platform::Ticket;

namespace {

void Put(Ticket& t, const char* key, platform::PlistValue value) { t.set(key, std::move(value), kPanelsClientID); }

// Keeps the printer description's choice for a main keyword in step with a ticket value; a value
// the keyword's map does not hold leaves the stored choice alone.
void SetPPDChoice(Ticket& t, const char* mainKeyword, std::int32_t value) {
  if (const char* choice = PPDChoiceForTicketValue(mainKeyword, value)) PPDSetCurrentChoice(&t, mainKeyword, choice);
}

void WriteFinishing(const FinishingState& f, Ticket& t) {
  Put(t, kFinishingOptionsKey, f.code);  // 0 for "Printer Default", which the readers take as no finishing
  Put(t, kFinishingOffsetKey, f.offset);
  Put(t, kFinishingOffsetEnableSubsetKey, f.offsetSubsets);
  if (f.offsetSubsets != 0) Put(t, kFinishingOffsetPagesPerSubsetKey, f.pagesPerSubset);
  Put(t, kFinishingSlipSheetKey, f.slipSheets);
  Put(t, kFinishingFoldValueKey, f.fold);
  Put(t, kFinishingZFoldValueKey, f.zFold);
  Put(t, kFinishingHolePunchValueKey, f.holePunchValue);
  Put(t, kFinishingHolePunchOptionsKey, f.holePunchOptions);
  Put(t, kFinishingStaple1ValueKey, f.staple1);
  Put(t, kFinishingStaple2ValueKey, f.staple2);
  Put(t, kFinishingStapleCenterValueKey, f.stapleCenter);
  Put(t, kFinishingBindValueKey, f.bind);
  Put(t, kFinishingCustomKey, f.custom);
  Put(t, kFinishingCoilPunchValueKey, f.coil);
  Put(t, kFinishingSquareFoldValueKey, f.squareFoldOn ? f.squareFoldValue : -1);
  Put(t, kFinishingTrimLengthValueKey, f.trimOn ? TrimLengthMillimetres(f) : -1);
}

// The forms dictionary to store. Offsets that an import stored in hundredths of a millimetre
// ("FullPrecision") keep that mark while they are the ones the ticket holds; offsets the user set
// are in the dialog's units and lose it.
platform::PlistDict FormsKeepingPrecision(const BackgroundFormsOptions& forms, const Ticket& t) {
  using namespace background_forms_keys;
  platform::PlistDict written = forms.asTicket();
  const platform::PlistDict* before = t.getDictionary(kBackgroundFormsOptionsKey);
  if (before == nullptr) return written;
  const platform::PlistValue* precise = platform::PlistDictFind(*before, kFullPrecisionKey);
  if (precise == nullptr || precise->asBoolean() == nullptr || !*precise->asBoolean()) return written;
  const auto same = [&](const char* key) {
    const platform::PlistValue* a = platform::PlistDictFind(*before, key);
    const platform::PlistValue* b = platform::PlistDictFind(written, key);
    return a != nullptr && b != nullptr && *a == *b;
  };
  if (same(kXOffsetKey) && same(kYOffsetKey)) written.insert_or_assign(kFullPrecisionKey, true);
  return written;
}

void WriteJobType(PaperOutputContext& c, Ticket& t) {
  platform::PlistDict& d = c.jobType;
  const std::int32_t jobType = JobTypeOf(c);
  d[kJobTypeJobTypeKey] = jobType;
  if (jobType != kJobTypeSavedJob) d.erase(kJobTypeSaveDispositionKey);
  const platform::PlistValue* useJobName = platform::PlistDictFind(d, kJobTypeUseJobNameKey);
  const bool usesJobName = useJobName == nullptr || useJobName->asBoolean() == nullptr || *useJobName->asBoolean();
  platform::PlistDict written = d;
  if (usesJobName) written.erase(kJobTypeSavedJobNameKey);
  written[kJobTypePadEnableKey] = c.pads.on;
  // A forms job that becomes another job takes its forms options with it, as when the job type
  // is changed and changed back before they were ever stored.
  const platform::PlistDict* stored = t.getDictionary(kJobTypeKey);
  const bool wasForms = stored && JobTypeIn(*stored) == kJobTypeBackgroundForm;
  Put(t, kJobTypeKey, std::move(written));
  if (jobType == kJobTypeBackgroundForm)
    Put(t, kBackgroundFormsOptionsKey, FormsKeepingPrecision(c.backgroundForms, t));
  else if (wasForms)
    t.remove(kBackgroundFormsOptionsKey);
}

void WritePads(const PaperOutputContext& c, Ticket& t) {
  if (!c.pads.on) {
    // Pads turned off take their entries with them, and the uncollated copies pads asked for; a
    // ticket that never had pads keeps its collation as it is.
    bool hadPads = false;
    for (const char* key : {kPadLevelStockKey, kNoOfPadsKey, kPagesPerPadsKey, kPadBackCoverKey})
      hadPads = t.remove(key) || hadPads;
    if (hadPads) t.remove(kPMCopyCollateKey);
    return;
  }
  Put(t, kPadLevelStockKey, c.padStock.asTicket());
  Put(t, kNoOfPadsKey, c.pads.numberOfPads);
  Put(t, kPagesPerPadsKey, c.pads.pagesPerPad);
  Put(t, kPadBackCoverKey, c.pads.backCover);
  t.set(kPMCopyCollateKey, false, kPrintingManagerClientID);
}

// The booklet entries. "Size" in the job stock belongs to the booklet only while booklet is on,
// or when the ticket said the booklet had put it there; otherwise it is someone else's size.
void WriteBooklet(PaperOutputContext& c, Ticket& t) {
  Put(t, kBookletLayoutKey, c.booklet.on);
  if (c.booklet.on && c.booklet.outlines) Put(t, kBookletDrawOutlinesKey, *c.booklet.outlines);
  Put(t, kGutterKey, c.booklet.gutter);
  Put(t, kCreepKey, c.booklet.creep);
  if (!c.booklet.on && !c.bookletFlagRead) return;
  const bool forced = c.booklet.on && c.booklet.newSize != kPrinterDefault;
  c.jobStock.setSize(forced ? c.booklet.newSize : kPrinterDefault);
  Put(t, kBookletForceNewSizeKey, forced);
  c.bookletFlagRead = forced;
}

void WriteDuplex(PaperOutputContext& c, Ticket& t) {
  if (c.booklet.on) {
    PutBookletDuplexOn(t);
    return;
  }
  if (std::optional<std::int32_t> restored = GiveBackDuplexAfterBooklet(t)) c.duplex = *restored;
  Put(t, kFinishingDuplexKey, c.duplex);
  SetPPDChoice(t, kPPDDuplex, c.duplex);
}

}  // namespace

void WritePaperOutputTicket(PaperOutputContext& c, Ticket& t) {
  if (c.opened) {
    WriteBooklet(c, t);
    WriteDuplex(c, t);
  }
  WriteJobLevelStock(t, c.jobStock, kPanelsClientID);
  if (c.outputDestination == kPrinterDefault) {
    t.remove(kFinishingOutputDestinationKey);
  } else {
    Put(t, kFinishingOutputDestinationKey, c.outputDestination);
    SetPPDChoice(t, kPPDOutputBin, c.outputDestination);
  }
  Put(t, kFinishingOutputColorKey, c.outputColor);
  WriteJobType(c, t);
  WriteFinishing(c.finishing, t);
  WritePads(c, t);
}

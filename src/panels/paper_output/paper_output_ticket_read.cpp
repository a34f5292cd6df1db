// Reading the panel's entries. Each absent key gives its field the default; a key whose value is
// of the wrong kind counts as absent, so a damaged ticket cannot put a field out of range.

#include "model/background_forms_options.h"
#include "kit/ticket_access.h"
#include "model/booklet_watermark_keys.h"
#include "model/job_level_stock.h"
#include "model/paper_output_keys.h"
#include "model/platform_keys.h"
#include "model/special_pages_ticket.h"
#include "panels/paper_output/paper_output_ticket.h"
#include "vocabulary/ppd_bridge.h"
#include "vocabulary/ppd_main_keywords.h"

using platform::Ticket;

namespace {

std::optional<std::int32_t> Int32(const Ticket& t, const char* key) { return GetTicketInt32(t, key); }

std::int32_t Int32Or(const Ticket& t, const char* key, std::int32_t fallback) {
  return Int32(t, key).value_or(fallback);
}

// The job type dictionary as the ticket has it, or the one a new job starts with.
platform::PlistDict ReadJobType(const Ticket& t, const std::string& jobName) {
  if (const platform::PlistDict* dict = t.getDictionary(kJobTypeKey)) return *dict;
  platform::PlistDict created;
  created[kJobTypeMediaTypeKey] = kPrinterDefault;
  created[kJobTypeJobTypeKey] = kJobTypeNormal;
  created[kJobTypeUseJobNameKey] = true;
  created[kJobTypeSavedJobNameKey] = jobName;
  created[kJobTypeSavedJobLocationKey] = kDefaultSavedJobLocation;
  return created;
}

void ReadFinishing(FinishingState& f, const Ticket& t) {
  f.code = Int32Or(t, kFinishingOptionsKey, kFinishingPrinterDefault);
  f.offset = Int32Or(t, kFinishingOffsetKey, kOffsetPrinterDefault);
  f.offsetSubsets = Int32Or(t, kFinishingOffsetEnableSubsetKey, 0);
  if (f.offsetSubsets != 0) f.pagesPerSubset = Int32Or(t, kFinishingOffsetPagesPerSubsetKey, 1);
  f.slipSheets = Int32Or(t, kFinishingSlipSheetKey, 0);
  f.fold = Int32Or(t, kFinishingFoldValueKey, 0);
  f.zFold = Int32Or(t, kFinishingZFoldValueKey, 0);
  f.holePunchValue = Int32Or(t, kFinishingHolePunchValueKey, 0);
  f.holePunchOptions = Int32Or(t, kFinishingHolePunchOptionsKey, 0);
  f.staple1 = Int32Or(t, kFinishingStaple1ValueKey, 0);
  f.staple2 = Int32Or(t, kFinishingStaple2ValueKey, 0);
  f.stapleCenter = Int32Or(t, kFinishingStapleCenterValueKey, 0);
  f.bind = Int32Or(t, kFinishingBindValueKey, 0);
  const std::string* custom = t.getString(kFinishingCustomKey);
  f.custom = custom ? *custom : std::string();
  // The coil side is read back like every other finishing field.
  f.coil = Int32Or(t, kFinishingCoilPunchValueKey, 0);
  const std::optional<std::int32_t> square = Int32(t, kFinishingSquareFoldValueKey);
  f.squareFoldOn = square && *square != -1;
  f.squareFoldValue = f.squareFoldOn ? *square : kSquareFoldNormal;
  // The ticket keeps whole millimetres; the unit the user typed in stays with the panel while
  // the value it holds is still the one the ticket has.
  const std::optional<std::int32_t> trim = Int32(t, kFinishingTrimLengthValueKey);
  const bool trimOn = trim && *trim != -1;
  if (!trimOn) {
    f.trimOn = false;
  } else if (!f.trimOn || TrimLengthMillimetres(f) != *trim) {
    f.trimOn = true;
    f.trimLength = *trim;
    f.trimUnit = kTrimUnitMillimetres;
  }
}

void ReadPads(PaperOutputContext& c, const Ticket& t) {
  const platform::PlistValue* enable = platform::PlistDictFind(c.jobType, kJobTypePadEnableKey);
  // The pad count is what the job ticket is written from, and turning pads off removes it: a
  // ticket holding it has pads, also where its job type does not say so (an imported job ticket
  // that names no job type).
  c.pads.on = (enable && enable->asBoolean() && *enable->asBoolean()) || t.contains(kNoOfPadsKey);
  c.padStock = Stock();
  DefaultStock(c.padStock, kJobContextJob);
  if (!c.pads.on) return;
  if (const platform::PlistDict* stock = t.getDictionary(kPadLevelStockKey)) {
    // A paper the ticket holds is a back cover's: what it leaves out (an imported paper says
    // nothing of punching) stays unset, as the job ticket had it, rather than the job's default.
    DefaultStock(c.padStock, kJobContextCover);
    c.padStock.fromTicket(stock);
  }
  c.pads.numberOfPads = Int32Or(t, kNoOfPadsKey, kPrinterDefault);
  c.pads.pagesPerPad = Int32Or(t, kPagesPerPadsKey, kPrinterDefault);
  const std::string* back = t.getString(kPadBackCoverKey);
  c.pads.backCover = back ? *back : std::string();
}

void ReadBooklet(PaperOutputContext& c, const Ticket& t) {
  c.booklet.on = t.getBoolean(kBookletLayoutKey).value_or(false);
  if (c.booklet.on) {
    if (std::optional<std::int32_t> outlines = Int32(t, kBookletDrawOutlinesKey)) c.booklet.outlines = outlines;
  }
  c.bookletFlagRead = t.getBoolean(kBookletForceNewSizeKey).value_or(false);
  c.booklet.newSize = c.bookletFlagRead ? c.jobStock.size() : kPrinterDefault;
  c.booklet.gutter = Int32Or(t, kGutterKey, kDefaultGutter);
  c.booklet.creep = Int32Or(t, kCreepKey, 0);
}

// The two-sided value a ticket without the panel's own entry starts with.
std::int32_t DefaultDuplex(const Ticket& t) {
  if (std::optional<std::int32_t> platformValue = Int32(t, kPMDuplexingKey)) return *platformValue;
  std::int32_t value = 1;
  if (PPDGetTicketValueForChoiceOrDefault(PPDGetCurrent(), &t, kPPDDuplex, value) && value >= 1) return value;
  return 1;
}

}  // namespace

void FollowPlatformDuplexing(PaperOutputContext& c, const Ticket& settings) {
  if (c.booklet.on) return;
  if (std::optional<std::int32_t> value = Int32(settings, kPMDuplexingKey); value && *value >= 1 && *value <= 3)
    c.duplex = *value;
}

void ReadPaperOutputTicket(PaperOutputContext& c, const platform::PrintSession& session, const Ticket& t) {
  if (const Ticket* format = session.ticket(platform::kPDE_PMPageFormatRef))
    c.orientation = Int32(*format, kPMOrientationKey).value_or(1);
  // A job without a paper of its own asks for the job's defaults: plain, unpunched paper.
  if (t.getDictionary(kJobLevelStockKey) != nullptr) c.jobStock = ReadJobLevelStock(t);
  else DefaultStock(c.jobStock, kJobContextJob);
  c.outputDestination = Int32Or(t, kFinishingOutputDestinationKey, kDefaultOutputDestination);
  c.outputColor = Int32Or(t, kFinishingOutputColorKey, kDefaultOutputColor);
  c.jobType = ReadJobType(t, c.jobName);
  if (const platform::PlistDict* forms = t.getDictionary(kBackgroundFormsOptionsKey))
    c.backgroundForms.fromTicket(*forms);
  ReadBooklet(c, t);
  if (c.booklet.on) {
    // The job's own choice, given back when booklet goes off; the pop-up shows 3 meanwhile.
    c.duplex = Int32(t, kBookletDuplexBeforeKey).value_or(1);
  } else {
    c.duplex = Int32Or(t, kFinishingDuplexKey, DefaultDuplex(t));
  }
  ReadFinishing(c.finishing, t);
  ReadPads(c, t);
  c.specialPagesExist = TicketHoldsSpecialPages(t);
  if (c.specialPagesExist) c.pads.on = false;
}

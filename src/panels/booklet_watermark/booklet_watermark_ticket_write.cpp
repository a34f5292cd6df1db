// Writing the panel's entries. Booklet layout follows the rules every panel shares
// (model/booklet_layout_rules.h); the watermark's font is prepared for the print path each time
// the watermark is written.
#include "model/background_forms_keys.h"
#include "model/booklet_layout_rules.h"
#include "model/booklet_watermark_keys.h"
#include "model/job_level_stock.h"
#include "model/paper_output_codes.h"
#include "model/paper_output_keys.h"
#include "model/special_pages_ticket.h"
#include "model/ticket_clients.h"
#include "panels/booklet_watermark/booklet_watermark_ticket.h"
#include "platform/preferences/preference_file.h"
#include "watermark/watermark.h"

using platform::Ticket;

namespace {

void Put(Ticket& t, const char* key, platform::PlistValue value) {
  t.set(key, std::move(value), kPrintingManagerClientID);
}

// The booklet entries Paper/Output writes too, in the same name, so that the session file is the
// same whichever panel wrote last.
void PutShared(Ticket& t, const char* key, platform::PlistValue value) {
  t.set(key, std::move(value), kPanelsClientID);
}

bool IsBookletFold(std::int32_t fold) { return fold == kFoldBiFoldMultipleInside || fold == kFoldBookletFoldStaple; }

// The job stock's "Size" is the booklet's only while booklet is on, or when the ticket said the
// booklet had put it there; otherwise it is someone else's size and stays.
void WriteForcedSize(BookletWatermarkContext& c, Ticket& t) {
  if (!t.getDictionary(kJobLevelStockKey) || (!c.bookletOn && !c.forcedSizeRead)) return;
  const bool forced = c.bookletOn && c.forcedSize != kPrinterDefault;
  Stock stock = ReadJobLevelStock(t);
  stock.setSize(forced ? c.forcedSize : kPrinterDefault);
  if (forced && c.forcedSize == kStockSizeCustom) {
    stock.setWidth(c.forcedWidth);
    stock.setLength(c.forcedLength);
  }
  WriteJobLevelStock(t, stock, kPanelsClientID);
  PutShared(t, kBookletForceNewSizeKey, forced);
  c.forcedSizeRead = forced;
}

// A booklet's covers wrap it: a back cover equal to the front one is the front one's other half.
void DropBackCoverOfBooklet(Ticket& t) {
  const SpecialPages pages = ReadSpecialPages(t);
  if (pages.frontCover && pages.backCover && *pages.frontCover == *pages.backCover) t.remove(kBackCoverKey);
}

// While the job has special pages the pop-up is inactive: booklet layout cannot be turned on, but
// a booklet the ticket holds still takes its options and its rules, and can be turned off.
void WriteBooklet(BookletWatermarkContext& c, Ticket& t) {
  if (c.bookletAvailable || !c.bookletOn) PutShared(t, kBookletLayoutKey, c.bookletOn);
  if (c.bookletOn) {
    PutBookletDuplexOn(t);
    PutBookletStaplesOff(t);
    PutShared(t, kBookletDrawOutlinesKey, c.outlines);
    PutShared(t, kGutterKey, c.gutter);
    PutShared(t, kCreepKey, c.creep);
    DropBackCoverOfBooklet(t);
  } else {
    GiveBackDuplexAfterBooklet(t);
  }
  WriteForcedSize(c, t);
  if (!c.fold) return;
  PutShared(t, kFinishingFoldValueKey, *c.fold);
  if (IsBookletFold(*c.fold)) {
    PutShared(t, kFinishingOptionsKey, static_cast<std::int32_t>(kFinishingBooklet));
  } else if (t.getInteger(kFinishingOptionsKey) == std::int64_t{kFinishingBooklet}) {
    PutShared(t, kFinishingOptionsKey, 0);  // a booklet without its fold is no booklet finishing
  }
}

void WriteWatermark(const BookletWatermarkContext& c, Ticket& t) {
  if (c.watermark.empty()) {
    t.remove(kWatermarkNameTicketKey);
    t.remove(kWatermarkSubsetFontTicketKey);  // a name left behind would belong to no watermark
    return;
  }
  Put(t, kWatermarkNameTicketKey, c.watermark);
  std::string subset, error;
  const WatermarkResult font = convertFont(c.watermark, &subset, &error);
  if (font == WatermarkResult::kDone && !subset.empty()) {
    Put(t, kWatermarkSubsetFontTicketKey, subset);
  } else {
    t.remove(kWatermarkSubsetFontTicketKey);  // a picture, the whole font, or no font at all
  }
  // The job would print in whatever the printer has: said, and the command fails. (File faults
  // have been said where they happened.)
  if (font == WatermarkResult::kFontUnusable)
    platform::ReportFailedPreferenceWrite("watermark \"" + c.watermark + "\": " + error +
                                          "; no font is stored to print it with");
  Put(t, kWatermarkOptionTicketKey, c.layer);
  Put(t, kWatermarkFirstPageOnlyTicketKey, c.firstPageOnly ? 1 : 0);
}

// The forms options. The name a form job is saved under is Paper/Output's: a merge keeps the one
// the ticket holds for a forms job and drops it for any other.
void WriteForms(const BookletWatermarkContext& c, Ticket& t) {
  BackgroundFormsOptions forms = c.forms;
  std::int32_t useExisting = 1;
  forms.useExistingForm(&useExisting);
  if (useExisting == background_forms_keys::kMergeWithExistingForm) {
    const platform::PlistDict* jobType = t.getDictionary(kJobTypeKey);
    const platform::PlistValue* type = jobType ? platform::PlistDictFind(*jobType, kJobTypeJobTypeKey) : nullptr;
    const platform::PlistDict* stored = t.getDictionary(kBackgroundFormsOptionsKey);
    if (type && type->asInteger() && *type->asInteger() == kJobTypeBackgroundForm && stored) {
      const BackgroundFormsOptions saved(*stored);
      std::optional<std::string> name;
      std::int32_t useDocumentName = 1;
      saved.newFormString(&name);
      saved.useDocumentName(&useDocumentName);
      forms.setNewFormString(name);
      forms.setUseDocumentName(useDocumentName);
    } else {
      forms.setNewFormString(std::nullopt);
      forms.setUseDocumentName(1);
    }
  }
  platform::PlistDict dictionary = forms.asTicket();
  if (c.formsFullPrecision) dictionary[background_forms_keys::kFullPrecisionKey] = true;
  PutShared(t, kBackgroundFormsOptionsKey, std::move(dictionary));  // Paper/Output writes it too
}

}  // namespace

void WriteBookletWatermarkTicket(BookletWatermarkContext& c, Ticket& settings) {
  WriteBooklet(c, settings);
  WriteWatermark(c, settings);
  WriteForms(c, settings);
}

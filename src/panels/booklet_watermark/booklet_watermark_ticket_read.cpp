// Reading the panel's entries. A key that is absent, or holds a value of the wrong kind, gives its
// field the default, so a damaged ticket cannot put a field out of range.

#include "model/background_forms_keys.h"
#include "model/booklet_watermark_keys.h"
#include "kit/ticket_access.h"
#include "model/job_level_stock.h"
#include "model/paper_output_keys.h"
#include "model/special_pages_ticket.h"
#include "model/text_compare.h"
#include "panels/booklet_watermark/booklet_watermark_ticket.h"

using platform::Ticket;

namespace {

std::optional<std::int32_t> Int32(const Ticket& t, const char* key) { return GetTicketInt32(t, key); }

void ReadBooklet(BookletWatermarkContext& c, const Ticket& t) {
  c.bookletAvailable = !TicketHoldsSpecialPages(t);
  c.fold = Int32(t, kFinishingFoldValueKey);
  c.bookletOn = t.getBoolean(kBookletLayoutKey).value_or(false);
  c.forcedSizeRead = t.getBoolean(kBookletForceNewSizeKey).value_or(false);
  c.forcedSize = c.forcedWidth = c.forcedLength = kPrinterDefault;
  if (!c.bookletOn) return;
  c.outlines = Int32(t, kBookletDrawOutlinesKey).value_or(1);
  c.gutter = Int32(t, kGutterKey).value_or(24);
  c.creep = Int32(t, kCreepKey).value_or(0);
  if (!c.forcedSizeRead) return;
  const Stock stock = ReadJobLevelStock(t);
  c.forcedSize = stock.size();
  if (c.forcedSize != kStockSizeCustom) return;
  c.forcedWidth = stock.width();
  c.forcedLength = stock.length();
}

void ReadWatermark(BookletWatermarkContext& c, const Ticket& t) {
  c.watermark.clear();
  if (const std::string* name = t.getString(kWatermarkNameTicketKey)) {
    for (const std::string& saved : c.watermarks)
      if (EqualIgnoringCase(saved, *name)) {
        c.watermark = saved;
        break;
      }
  }
  c.firstPageOnly = Int32(t, kWatermarkFirstPageOnlyTicketKey).value_or(0) != 0;
  const std::int32_t layer = Int32(t, kWatermarkOptionTicketKey).value_or(kWatermarkBlended);
  c.layer = layer >= kWatermarkBehind && layer <= kWatermarkOver ? layer : kWatermarkBlended;
}

void ReadForms(BookletWatermarkContext& c, const Ticket& t) {
  const platform::PlistDict* forms = t.getDictionary(kBackgroundFormsOptionsKey);
  c.formsFullPrecision = false;
  if (forms == nullptr) {
    c.forms = BackgroundFormsOptions();
    return;
  }
  c.forms.fromTicket(*forms);
  const platform::PlistValue* precision = platform::PlistDictFind(*forms, background_forms_keys::kFullPrecisionKey);
  c.formsFullPrecision = precision != nullptr && precision->asBoolean() != nullptr && *precision->asBoolean();
}

}  // namespace

void ReadBookletWatermarkTicket(BookletWatermarkContext& c, const Ticket& settings) {
  ReadBooklet(c, settings);
  ReadWatermark(c, settings);
  ReadForms(c, settings);
}

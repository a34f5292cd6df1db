// The panel's values into the print-settings ticket.
#include "model/paper_output_keys.h"
#include "model/special_pages_ticket.h"
#include "panels/special_pages/special_pages_panel.h"

bool PrepareCoversForTicket(const platform::Ticket& settings, SpecialPages& pages) {
  if (!pages.frontCover || !settings.getBoolean(kBookletForceNewSizeKey).value_or(false)) return true;
  return pages.frontCover->stock().size() != kPrinterDefault || TakeJobPaperSize(settings, *pages.frontCover);
}

void WriteSpecialPagesTicket(SpecialPagesContext& context, platform::Ticket& settings) {
  SpecialPages& pages = context.pages;
  if (!PrepareCoversForTicket(settings, pages)) TellNoJobPaperOnce(context);
  WriteSpecialPages(settings, pages);
  // Special pages and pads exclude each other.
  if (pages.inserts.count() > 0 || pages.exceptions.count() > 0 || pages.frontCover || pages.backCover)
    settings.remove(kNoOfPadsKey);
}

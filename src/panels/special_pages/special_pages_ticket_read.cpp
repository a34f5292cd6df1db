// The panel's values from the print-settings ticket.
#include <cstdio>

#include "model/job_level_stock.h"
#include "model/paper_output_keys.h"
#include "model/platform_keys.h"
#include "panels/special_pages/special_pages_panel.h"

namespace {

// A yes/no entry as the dialog stores it: a boolean, or a number other than 0.
bool IsOn(const platform::Ticket& settings, const char* key) {
  if (std::optional<bool> on = settings.getBoolean(key)) return *on;
  if (std::optional<std::int64_t> number = settings.getInteger(key)) return *number != 0;
  return false;
}

}  // namespace

void TellNoJobPaperOnce(SpecialPagesContext& context) {
  if (context.toldNoJobPaper) return;
  context.toldNoJobPaper = true;
  std::fprintf(stderr, "ERROR: %s: a forced booklet size needs the job's paper (%s); the front cover keeps its own size\n",
               kFrontCoverKey, kJobLevelStockKey);
}

bool TakeJobPaperSize(const platform::Ticket& settings, Cover& cover) {
  if (settings.getDictionary(kJobLevelStockKey) == nullptr) return false;
  const std::int32_t size = ReadJobLevelStock(settings).size();
  if (size != kPrinterDefault) cover.stock().setSize(size);
  return true;
}

void ReadSpecialPagesTicket(SpecialPagesContext& context, const platform::Ticket& settings) {
  SpecialPages read = ReadSpecialPages(settings);
  context.pages.inserts = std::move(read.inserts);
  context.pages.exceptions = std::move(read.exceptions);
  if (settings.contains(kJobLevelStockKey)) context.jobStock = ReadJobLevelStock(settings);
  if (!ReadCoversFromTicket(settings, context.pages)) TellNoJobPaperOnce(context);
  context.nUp = IsOn(settings, kPMLayoutNUpKey);
  context.bookletLayout = IsOn(settings, kBookletLayoutKey);
}

bool ReadCoversFromTicket(const platform::Ticket& settings, SpecialPages& pages) {
  pages.frontCover.reset();
  pages.backCover.reset();
  bool sized = true;
  if (const platform::PlistDict* front = settings.getDictionary(kFrontCoverKey)) pages.frontCover.emplace(*front);
  if (pages.frontCover && settings.getBoolean(kBookletForceNewSizeKey).value_or(false))
    sized = TakeJobPaperSize(settings, *pages.frontCover);
  if (settings.getBoolean(kBookletLayoutKey).value_or(false)) {
    pages.backCover = pages.frontCover;
  } else if (const platform::PlistDict* back = settings.getDictionary(kBackCoverKey)) {
    pages.backCover.emplace(*back);
  }
  return sized;
}

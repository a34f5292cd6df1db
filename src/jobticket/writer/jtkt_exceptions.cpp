// Exception page ranges, each read as the model reads one range, with their own sides, darkness,
// image shift, paper and colour.
#include "jobticket/writer/jtkt_color.h"
#include "jobticket/writer/jtkt_commands.h"
#include "jobticket/writer/jtkt_fragment.h"
#include "jobticket/writer/jtkt_image_shift.h"
#include "jobticket/writer/jtkt_special_pages.h"
#include "jobticket/writer/jtkt_ticket_read.h"
#include "model/special_page_keys.h"
#include "model/special_pages_ticket.h"
#include "platform/status.h"
#include "vocabulary/device_profile_limits.h"

namespace {

using platform::PlistDict;

void FillPageRecord(_PAGEDATA& page, const ExceptionPage& range, const PlistDict& dictionary) {
  page.pagesLower = range.startPage();
  page.pagesUpper = range.endPage();
  FillPageSidesImaged(&page, range.plex());
  if (range.imageShift().valid) {
    _ImageShiftSelections shift;
    FillImageShift(JTktDictionary(&dictionary, kImageShiftOptionsPageKey), &shift);
    page.hasImageShift = true;
    page.xSide1 = shift.xSide1;
    page.xSide2 = shift.xSide2;
    page.ySide1 = shift.ySide1;
    page.ySide2 = shift.ySide2;
  }
  if (range.lightenDarken() != kPrinterDefault && KFSFeatureNumberInRange("LightenDarken", range.lightenDarken())) {
    page.hasLightenDarken = true;
    page.lightenDarken = range.lightenDarken();
  }
  FillFullColorOptions(&page, range.colorOptions());
  page.color.antiAliasing = range.antialiasing();
  page.color.halftone = range.halftoneScreen();
  page.color.colorEffects = range.outputColor();
}

}  // namespace

void FillPageSidesImaged(_PAGEDATA* pageRecord, std::int32_t plex) {
  if (pageRecord == nullptr) return;
  pageRecord->sides = plex >= 1 && plex <= 3 ? plex - 1 : -1;
}

int WriteJTktPageExceptions(const JTktWriteContext* ctx, const _PAGEDATA* page, const _MEDIADATA* media) {
  if (!JTktCanWrite(ctx) || page == nullptr || media == nullptr) return platform::paramErr;
  JTktFragment()
      .text("\t\t\t<value syntax=\"collection\">\n")
      .text("\t\t\t<input-documents syntax=\"1setOf\">\n\t\t\t\t<value syntax=\"rangeOfInteger\">\n")
      .text("\t\t\t\t\t<lower-bound syntax=\"integer\">").integer(page->documentsLower).text("</lower-bound>\n")
      .text("\t\t\t\t\t<upper-bound syntax=\"integer\">").integer(page->documentsUpper)
      .text("</upper-bound>\n\t\t\t\t</value>\n\t\t\t</input-documents>\n")
      .writeTo(*ctx);
  JTktFragment()
      .text("\t\t\t<pages syntax=\"1setOf\">\n\t\t\t\t<value syntax=\"rangeOfInteger\">\n")
      .text("\t\t\t\t\t<lower-bound syntax=\"integer\">").integer(page->pagesLower).text("</lower-bound>\n")
      .text("\t\t\t\t\t<upper-bound syntax=\"integer\">").integer(page->pagesUpper)
      .text("</upper-bound>\n\t\t\t\t</value>\n\t\t\t</pages>\n")
      .writeTo(*ctx);
  if (page->sides >= 0) WriteJTktCommands(ctx, kJTktSides, page->sides);
  if (page->hasLightenDarken) WriteJTktCommands(ctx, kJTktDarknessValue, page->lightenDarken);
  if (page->hasImageShift) {
    JTktFragment()
        .text("\t\t\t<x-side1-image-shift syntax=\"integer\">").integer(page->xSide1).text("</x-side1-image-shift>\n")
        .text("\t\t\t<x-side2-image-shift syntax=\"integer\">").integer(page->xSide2).text("</x-side2-image-shift>\n")
        .text("\t\t\t<y-side1-image-shift syntax=\"integer\">").integer(page->ySide1).text("</y-side1-image-shift>\n")
        .writeTo(*ctx);
    JTktFragment()
        .text("\t\t\t<y-side2-image-shift syntax=\"integer\">").integer(page->ySide2).text("</y-side2-image-shift>\n")
        .writeTo(*ctx);
  }
  WriteJTktMedia(ctx, media);
  WriteJTktFullColor(ctx, page);
  JTktFragment().text("\t\t\t</value>\n").writeTo(*ctx);
  return platform::noErr;
}

// Ranges in the ticket's order. A range no list could hold (no start page, or an end before its
// start) is left out, as the Special Pages panel leaves it out.
void WriteJTKTExceptions(const JTktWriter& writer, const PlistDict* ticket) {
  if (!JTktHas(ticket, kExceptionListKey)) return;
  const platform::PlistArray* list = platform::PlistDictFind(*ticket, kExceptionListKey)->asArray();
  if (list == nullptr) return;
  bool started = false;
  for (const platform::PlistValue& entry : *list) {
    const PlistDict* dictionary = entry.asDictionary();
    if (dictionary == nullptr) continue;
    const std::unique_ptr<ExceptionPage> range = ExceptionPageFromTicket(*dictionary);
    if (!range) continue;
    if (!started) WriteJTktSpecialPagesStart(&writer.context, kJTktPageOverrides);
    started = true;
    _PAGEDATA page;
    FillPageRecord(page, *range, *dictionary);
    _MEDIADATA media;
    FillMediaData(&media, range->stock(), JTktDictionary(dictionary, special_page_keys::kStockKey), writer.page);
    WriteJTktPageExceptions(&writer.context, &page, &media);
    FinalizePageData(&page);
  }
  if (started) WriteJTktSpecialPagesEnd(&writer.context, kJTktPageOverrides);
}

// Covers and inserts, each read through its model class, and the sets that hold special pages.
#include <string_view>

#include "jobticket/writer/jtkt_fragment.h"
#include "jobticket/writer/jtkt_special_pages.h"
#include "jobticket/writer/jtkt_ticket_read.h"
#include "model/job_level_stock.h"
#include "model/special_page_keys.h"
#include "model/special_pages_ticket.h"
#include "platform/status.h"

namespace {

using platform::PlistDict;

constexpr std::string_view kCoverTypes[] = {"no-cover", "print-none", "print-front", "print-back", "print-both"};
constexpr int kCoverPrintNone = 1;
constexpr int kCoverPrintBoth = 4;

// A cover's sides (1 blank or pre-printed to 4 both sides) are the cover types 1 to 4; any other
// stored value is no cover. Read from the dictionary itself: the Cover record keeps only the
// menu's four values. In cover mode only print-none and print-both remain.
int CoverType(const PlistDict& dictionary, int coverMode) {
  std::int32_t sides = 1;
  if (JTktHas(&dictionary, special_page_keys::kSidesImagedKey))
    sides = JTktSetting(&dictionary, special_page_keys::kSidesImagedKey).value_or(0);
  const int type = sides >= 1 && sides <= 4 ? static_cast<int>(sides) : 0;
  return coverMode != 0 && type != kCoverPrintBoth ? kCoverPrintNone : type;
}

void WriteCover(const JTktWriter& writer, const PlistDict* ticket, const char* key, int which, int coverMode, bool booklet) {
  const PlistDict* dictionary = JTktDictionary(ticket, key);
  if (dictionary == nullptr) return;
  Cover cover(*dictionary);
  if (booklet) TakeJobSizeForBooklet(ticket, cover.stock());
  _MEDIADATA media;
  FillMediaData(&media, cover.stock(), JTktDictionary(dictionary, special_page_keys::kStockKey), writer.page);
  WriteJTktCovers(&writer.context, which, CoverType(*dictionary, coverMode), &media);
}

}  // namespace

void TakeJobSizeForBooklet(const PlistDict* ticket, Stock& coverStock) {
  if (JTktBoolean(ticket, kBookletLayoutKey) != true || JTktBoolean(ticket, kBookletForceNewSizeKey) != true) return;
  const PlistDict* jobStockDictionary = JTktDictionary(ticket, kJobLevelStockKey);
  if (jobStockDictionary == nullptr) return;
  const Stock jobStock(jobStockDictionary);
  if (jobStock.size() == kPrinterDefault) return;
  coverStock.setSize(jobStock.size());
  if (jobStock.size() == kStockSizeCustom) {
    coverStock.setWidth(jobStock.width());
    coverStock.setLength(jobStock.length());
  }
}

int WriteJTktSpecialPagesStart(const JTktWriteContext* ctx, int kind) {
  if (!JTktCanWrite(ctx)) return platform::paramErr;
  JTktFragment fragment;
  if (kind == kJTktPageOverrides) fragment.text("\t\t<page-overrides syntax=\"1setOf\">\n");
  if (kind == kJTktInsertSheets) fragment.text("\t\t<insert-sheet syntax=\"1setOf\">\n");
  fragment.writeTo(*ctx);
  return platform::noErr;
}

int WriteJTktSpecialPagesEnd(const JTktWriteContext* ctx, int kind) {
  if (!JTktCanWrite(ctx)) return platform::paramErr;
  JTktFragment fragment;
  if (kind == kJTktPageOverrides) fragment.text("\t\t</page-overrides>\n");
  if (kind == kJTktInsertSheets) fragment.text("\t\t</insert-sheet>\n");
  fragment.writeTo(*ctx);
  return platform::noErr;
}

int WriteJTktCovers(const JTktWriteContext* ctx, int which, int coverType, const _MEDIADATA* media) {
  if (!JTktCanWrite(ctx) || media == nullptr) return platform::paramErr;
  if (which != kJTktFrontCover && which != kJTktBackCover) return platform::noErr;
  const std::string_view element = which == kJTktFrontCover ? "cover-front" : "cover-back";
  JTktFragment fragment;
  fragment.text("\t\t<").text(element).text(" syntax=\"collection\">\n");
  if (coverType >= 0 && coverType < static_cast<int>(std::size(kCoverTypes)))
    fragment.text("\t\t\t<cover-type syntax=\"keyword\">").text(kCoverTypes[coverType]).text("</cover-type>\n");
  fragment.writeTo(*ctx);
  WriteJTktMedia(ctx, media);
  JTktFragment().text("\t\t</").text(element).text(">\n").writeTo(*ctx);
  return platform::noErr;
}

int WriteJTktInserts(const JTktWriteContext* ctx, std::int32_t afterPage, std::int32_t count, const _MEDIADATA* media) {
  if (!JTktCanWrite(ctx) || media == nullptr) return platform::paramErr;
  JTktFragment()
      .text("\t\t\t<value syntax=\"collection\">\n")
      .text("\t\t\t<insert-after-page-number syntax=\"integer\">").integer(afterPage).text("</insert-after-page-number>\n")
      .text("\t\t\t<insert-count syntax=\"integer\">").integer(count).text("</insert-count>\n")
      .writeTo(*ctx);
  WriteJTktMedia(ctx, media);
  JTktFragment().text("\t\t\t</value>\n").writeTo(*ctx);
  return platform::noErr;
}

void WriteJTKTFrontCover(const JTktWriter& writer, const PlistDict* ticket, int coverMode) {
  WriteCover(writer, ticket, kFrontCoverKey, kJTktFrontCover, coverMode, true);
}

void WriteJTKTBackCover(const JTktWriter& writer, const PlistDict* ticket) { WriteCover(writer, ticket, kBackCoverKey, kJTktBackCover, 0, false); }

// Inserts in the ticket's order, each read as the model reads one insert.
void WriteJTKTInserts(const JTktWriter& writer, const PlistDict* ticket) {
  if (!JTktHas(ticket, kInsertListKey)) return;
  const platform::PlistArray* list = platform::PlistDictFind(*ticket, kInsertListKey)->asArray();
  if (list == nullptr) return;
  bool started = false;
  for (const platform::PlistValue& entry : *list) {
    const PlistDict* dictionary = entry.asDictionary();
    if (dictionary == nullptr) continue;
    if (!started) WriteJTktSpecialPagesStart(&writer.context, kJTktInsertSheets);
    started = true;
    const Insert insert(*dictionary);
    _MEDIADATA media;
    FillMediaData(&media, insert.stock(), JTktDictionary(dictionary, special_page_keys::kStockKey), writer.page);
    WriteJTktInserts(&writer.context, insert.startPage(), insert.quantity(), &media);
  }
  if (started) WriteJTktSpecialPagesEnd(&writer.context, kJTktInsertSheets);
}

// From a stock to the media record: the order of the conversions, and the single-property ones.
#include "jobticket/writer/jtkt_media.h"
#include "jobticket/writer/jtkt_ticket_read.h"
#include "model/job_level_stock.h"
#include "model/stock_keys.h"
#include "vocabulary/device_profile_limits.h"

namespace {

bool Unset(std::int32_t field) { return field == kJTktUnset; }

}  // namespace

void FillMediaData(_MEDIADATA* record, const platform::PlistDict* stock, int, const JTktPageGeometry& page) {
  if (record == nullptr) return;
  FillMediaData(record, Stock(stock), stock, page);
}

void FillMediaData(_MEDIADATA* record, const Stock& stock) { FillMediaData(record, stock, nullptr); }

void FillMediaData(_MEDIADATA* record, const Stock& stock, const platform::PlistDict* dictionary,
                   const JTktPageGeometry& page) {
  if (record == nullptr) return;
  *record = _MEDIADATA{};
  // Paper from the post-fuser inserter is named by where it comes from; nothing else about it
  // reaches the printer. Paper from any other source is described like all paper.
  FillMediaSource(record, stock);
  if (!Unset(record->source)) return;
  // A stock known only by its library name is sent as that name and nothing more. A dictionary
  // that speaks of the name at all (even to say false) describes no paper of its own.
  if (stock.customNameOnly() || JTktHas(dictionary, stock_keys::kCustomNameOnlyKey)) {
    if (stock.customNameOnly() && !stock.customName().empty())
      record->mediaKey = std::string(KFSCutToFeatureLength("StockMediaKey", stock.customName()));
    return;
  }
  FillMediaSize(record, stock, dictionary, page);
  FillMediaColor(record, stock);
  FillMediaType(record, stock);
  // The record keeps a modulus only for the types whose sets it knows; the order count belongs to
  // every type the printer counts in sets, so it is taken from the dictionary itself.
  if (const std::optional<std::int32_t> modulus = JTktSetting(dictionary, stock_keys::kModulusKey))
    record->orderCount = *modulus;
  FillMediaWeight(record, stock);
  FillMediaPunched(record, stock);
  FillMediaDescription(record, stock);
  FillMediaFinish(record, stock);
  FillMediaGrain(record, stock);
  FillMediaCoating(record, stock);
}

void FillMediaSource(_MEDIADATA* record, const Stock& stock) {
  if (Unset(record->source) && stock.source() == kStockSourcePostFuserInserter) record->source = 0;
}

void FillMediaWeight(_MEDIADATA* record, const Stock& stock) {
  if (Unset(record->weight) && stock.weight() != kPrinterDefault) record->weight = stock.weight();
}

void FillMediaPunched(_MEDIADATA* record, const Stock& stock) {
  if (!Unset(record->holeCount)) return;
  if (stock.punched() == kStockNotPunched) record->holeCount = 0;
  if (stock.punched() == kStockPunched) record->holeCount = kStockPunchedHoleCount;
}

void FillMediaDescription(_MEDIADATA* record, const Stock& stock) {
  if (!record->description && !stock.description().empty())
    record->description = std::string(KFSCutToFeatureLength("StockDescription", stock.description()));
}

// The stock's finish values are the printer's tooth codes: smooth is fine, regular medium,
// rough coarse, semi-rough semi-coarse.
void FillMediaFinish(_MEDIADATA* record, const Stock& stock) {
  if (Unset(record->tooth) && stock.finish() != kPrinterDefault) record->tooth = stock.finish();
}

void FillMediaGrain(_MEDIADATA* record, const Stock& stock) {
  if (Unset(record->grain) && stock.grain() != kPrinterDefault) record->grain = stock.grain();
}

// The coating kind belongs to the coated sides and is taken only with them.
void FillMediaCoating(_MEDIADATA* record, const Stock& stock) {
  if (!Unset(record->sidesCoated) || stock.sidesCoated() == kPrinterDefault) return;
  record->sidesCoated = stock.sidesCoated();
  if (Unset(record->coatingKind)) record->coatingKind = stock.coatingType();
}

void WriteJTKTJobLevelStock(const JTktWriter& writer, const platform::PlistDict* ticket) {
  if (ticket == nullptr) return;
  _MEDIADATA media;
  FillMediaData(&media, JTktDictionary(ticket, kJobLevelStockKey), 0, writer.page);
  WriteJTktMedia(&writer.context, &media);
}

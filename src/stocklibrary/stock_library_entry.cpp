// One stock library entry: its dictionary and the check of its stock against the editors' menus.
#include "stocklibrary/stock_library_entry.h"

#include <cstring>

#include "stocklibrary/stock_library_keys.h"
#include "vocabulary/setting_map.h"

namespace {

constexpr std::int32_t kLightestFreeWeight = 60;  // grams per square metre a free weight may take
constexpr std::int32_t kHeaviestFreeWeight = 300;

// True when value is the value of some row of map (separators aside).
bool IsRowValue(const SettingMap* map, std::int32_t value) {
  for (const SettingMap* row = map; row->labelKey != nullptr; ++row)
    if (std::strcmp(row->labelKey, "-") != 0 && row->value == value) return true;
  return false;
}

bool ColorIsValid(const Stock& s) { return IsRowValue(StockColorMap, s.color()); }
bool TypeIsValid(const Stock& s) { return IsRowValue(StockTypeMap, s.type()); }
bool PunchedIsValid(const Stock& s) { return IsRowValue(StockPunchedMap, s.punched()); }
bool WeightIsValid(const Stock& s) {
  return IsRowValue(WeightMap, s.weight()) || (s.weight() >= kLightestFreeWeight && s.weight() <= kHeaviestFreeWeight);
}
bool SidesCoatedIsValid(const Stock& s) { return IsRowValue(SidesCoatedMap, s.sidesCoated()); }
bool FinishIsValid(const Stock& s) { return IsRowValue(FinishMap, s.finish()) && IsRowValue(FinishMap1, s.finish()); }
bool GrainIsValid(const Stock& s) { return IsRowValue(GrainMap, s.grain()); }

}  // namespace

bool StockHasEditableValues(const Stock& s) {
  return ColorIsValid(s) && TypeIsValid(s) && PunchedIsValid(s) && WeightIsValid(s) && SidesCoatedIsValid(s) &&
         FinishIsValid(s);
}

StockLibrary::StockLibrary(const platform::PlistDict& dictionary) {
  if (auto it = dictionary.find(kEntryStockKey); it != dictionary.end()) stock_ = Stock(it->second.asDictionary());
  if (auto it = dictionary.find(kEntryStatusKey); it != dictionary.end()) {
    if (const std::int64_t* n = it->second.asInteger(); n && *n >= INT32_MIN && *n <= INT32_MAX)
      status_ = static_cast<std::int32_t>(*n);
  }
  if (auto it = dictionary.find(kEntryUUIDKey); it != dictionary.end() && it->second.asString())
    uuid_ = *it->second.asString();
  if (auto it = dictionary.find(kEntryNameKey); it != dictionary.end() && it->second.asString())
    name_ = *it->second.asString();
  validateStockEntry();
}

platform::PlistDict StockLibrary::asTicket() const {
  platform::PlistDict dictionary;
  dictionary[kEntryStatusKey] = status_;
  dictionary[kEntryStockKey] = stock_.asTicket();
  if (!uuid_.empty()) dictionary[kEntryUUIDKey] = uuid_;
  if (!name_.empty()) dictionary[kEntryNameKey] = name_;
  return dictionary;
}

void StockLibrary::validateStockEntry() {
  if (!StockHasEditableValues(stock_) || !GrainIsValid(stock_))
    status_ = kStockEntryUnsupportedValues;
  else if (stock_.finish() != kPrinterDefault || stock_.grain() != kPrinterDefault)
    status_ = kStockEntryUnsupportedAttributes;
}

bool RepairLibraryStock(Stock& stock) {
  bool repaired = false;
  auto repair = [&](bool valid, void (Stock::*set)(std::int32_t)) {
    if (valid) return;
    (stock.*set)(kPrinterDefault);
    repaired = true;
  };
  repair(ColorIsValid(stock), &Stock::setColor);
  repair(TypeIsValid(stock), &Stock::setType);
  repair(PunchedIsValid(stock), &Stock::setPunched);
  repair(WeightIsValid(stock), &Stock::setWeight);
  repair(SidesCoatedIsValid(stock), &Stock::setSidesCoated);
  repair(FinishIsValid(stock), &Stock::setFinish);
  repair(GrainIsValid(stock), &Stock::setGrain);
  if (repaired) {
    stock.setCustomName("");
    stock.setCustomNameOnly(false);
  }
  return repaired;
}

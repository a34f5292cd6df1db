// The recent-choices list of the stock menus and its key in the library file.
#include "stocklibrary/stock_library_order.h"

#include <algorithm>
#include <cstdio>

#include "stocklibrary/stock_library_file.h"
#include "stocklibrary/stock_library_keys.h"

void StockLibraryOrderList::read() {
  order_.clear();
  unwritten_ = false;
  std::optional<platform::PlistValue> list = ReadStockLibraryKey(kStockMenuListKey);
  if (!list) return;
  const platform::PlistArray* array = list->asArray();
  if (array == nullptr) {
    std::fprintf(stderr, "ERROR: %s: %s is not an array; no recent stocks are read\n", kStockLibraryPreferencesFileName,
                 kStockMenuListKey);
    return;
  }
  for (const platform::PlistValue& item : *array)
    if (const std::string* uuid = item.asString()) order_.push_back(*uuid);
}

void StockLibraryOrderList::write() {
  platform::PlistArray array(order_.begin(), order_.end());
  if (WriteStockLibraryKey(kStockMenuListKey, array)) unwritten_ = false;
}

void StockLibraryOrderList::updateOrderList(const std::string& uuid) {
  if (uuid.empty()) return;
  std::erase(order_, uuid);
  order_.insert(order_.begin(), uuid);
  if (order_.size() > kStockOrderListLimit) order_.resize(kStockOrderListLimit);
  write();
}

void StockLibraryOrderList::remove(const std::string& uuid) {
  std::erase(order_, uuid);
  write();
}

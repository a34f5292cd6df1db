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

void StockLibraryOrderList::change(const std::function<void(std::vector<std::string>&)>& edit) {
  edit(order_);
  // A list emptied but not yet written replaces the file's as a whole.
  if (unwritten_) return write();
  platform::PlistArray file;
  const auto apply = [&](platform::PlistArray& list) {
    std::vector<std::string> uuids;
    for (const platform::PlistValue& item : list)
      if (const std::string* uuid = item.asString()) uuids.push_back(*uuid);
    edit(uuids);
    list.assign(uuids.begin(), uuids.end());
  };
  if (!UpdateStockLibraryArray(kStockMenuListKey, apply, &file)) return;
  order_.clear();
  for (const platform::PlistValue& item : file)
    if (const std::string* uuid = item.asString()) order_.push_back(*uuid);
}

void StockLibraryOrderList::updateOrderList(const std::string& uuid) {
  if (uuid.empty()) return;
  change([&](std::vector<std::string>& order) {
    std::erase(order, uuid);
    order.insert(order.begin(), uuid);
    if (order.size() > kStockOrderListLimit) order.resize(kStockOrderListLimit);
  });
}

void StockLibraryOrderList::remove(const std::string& uuid) {
  change([&](std::vector<std::string>& order) { std::erase(order, uuid); });
}

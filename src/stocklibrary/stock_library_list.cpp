// The stock library list: its entries in dictionary form, and their file.
#include "stocklibrary/stock_library_list.h"

#include <cstdio>

#include "model/text_compare.h"
#include "platform/system/new_uuid.h"
#include "stocklibrary/stock_library_file.h"
#include "stocklibrary/stock_library_keys.h"

StockLibraryList::StockLibraryList() { read(); }

StockLibraryList::StockLibraryList(bool memoryOnly) : memoryOnly_(memoryOnly) {}

StockLibraryList::~StockLibraryList() {
  if (unwritten_) write();
}

void StockLibraryList::read() {
  entries_.clear();
  unwritten_ = false;
  std::optional<platform::PlistValue> list = ReadStockLibraryKey(kStockListKey);
  if (!list) return;
  if (const platform::PlistDict* entries = list->asDictionary()) {
    entries_ = *entries;
    return;
  }
  std::fprintf(stderr, "ERROR: %s: %s is not a dictionary; the library is read as empty\n", kStockLibraryPreferencesFileName,
               kStockListKey);
}

void StockLibraryList::write() {
  if (memoryOnly_) return;
  if (WriteStockLibraryKey(kStockListKey, entries_)) unwritten_ = false;
}

void StockLibraryList::changed() {
  unwritten_ = !memoryOnly_;
  write();
}

void StockLibraryList::store(const std::string& uuid, const StockLibrary& entry) {
  entries_.insert_or_assign(uuid, entry.asTicket());
}

std::string StockLibraryList::add(StockLibrary* entry) {
  if (entry == nullptr) return {};
  std::string uuid = platform::NewUUIDString();
  while (entries_.contains(uuid)) uuid = platform::NewUUIDString();
  entry->setUUID(uuid);
  store(uuid, *entry);
  changed();
  return uuid;
}

void StockLibraryList::update(const std::string& uuid, const StockLibrary* entry) {
  if (entry == nullptr || uuid.empty()) return;
  store(uuid, *entry);
  changed();
}

void StockLibraryList::remove(const std::string& uuid) {
  if (entries_.erase(uuid) == 0) return;
  changed();
}

void StockLibraryList::replace(const StockLibrary* newEntry) {
  if (newEntry == nullptr) return;
  const Stock& stock = newEntry->stock();
  if (!stock.customName().empty()) {
    for (auto& [uuid, value] : entries_) {
      const platform::PlistDict* dictionary = value.asDictionary();
      if (dictionary == nullptr) continue;
      StockLibrary entry(*dictionary);
      if (!EqualIgnoringCase(entry.stock().customName(), stock.customName())) continue;
      entry.setStock(stock);
      store(uuid, entry);
      break;
    }
  }
  changed();
}

bool StockLibraryList::isDuplicate(const std::string& name) const {
  for (const auto& [uuid, value] : entries_) {
    const platform::PlistDict* dictionary = value.asDictionary();
    if (dictionary != nullptr && EqualIgnoringCase(StockLibrary(*dictionary).stock().customName(), name)) return true;
  }
  return false;
}

std::optional<std::string> StockLibraryList::findMatch(const Stock& stock) const {
  for (const auto& [uuid, value] : entries_) {
    const platform::PlistDict* dictionary = value.asDictionary();
    if (dictionary != nullptr && StockLibrary(*dictionary).stock() == stock) return uuid;
  }
  return std::nullopt;
}

void StockLibraryList::setStatus(const std::string& uuid, std::int32_t status) {
  auto it = entries_.find(uuid);
  if (it == entries_.end() || it->second.asDictionary() == nullptr) return;
  StockLibrary entry(*it->second.asDictionary());
  entry.setStatus(status);
  store(uuid, entry);
  changed();
}

void StockLibraryList::clearStatus() {
  bool any = false;
  for (auto& [uuid, value] : entries_) {
    const platform::PlistDict* dictionary = value.asDictionary();
    if (dictionary == nullptr) continue;
    StockLibrary entry(*dictionary);
    if (entry.status() == kStockEntryUnsupportedValues) continue;
    entry.setStatus(kStockEntryNormal);
    store(uuid, entry);
    any = true;
  }
  if (any) changed();
}

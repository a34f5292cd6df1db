// The stock library list: its entries in dictionary form, and their file.
#include "stocklibrary/stock_library_list.h"

#include <cstdio>

#include "model/text_compare.h"
#include "platform/system/new_uuid.h"
#include "stocklibrary/stock_library_file.h"
#include "stocklibrary/stock_library_keys.h"

StockLibraryList::StockLibraryList() { read(); }

StockLibraryList::StockLibraryList(bool memoryOnly) : memoryOnly_(memoryOnly) {}

StockLibraryList::~StockLibraryList() { write(); }

void StockLibraryList::read() {
  entries_.clear();
  unwritten_.clear();
  unwrittenStatus_.clear();
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
  if (memoryOnly_ || (unwritten_.empty() && unwrittenStatus_.empty())) return;
  const auto apply = [this](platform::PlistDict& entries) {
    for (const auto& [uuid, status] : unwrittenStatus_) {
      auto it = entries.find(uuid);
      if (it == entries.end() || it->second.asDictionary() == nullptr) continue;
      StockLibrary entry(*it->second.asDictionary());
      entry.setStatus(status);
      it->second = entry.asTicket();
    }
    for (const auto& [uuid, value] : unwritten_) {
      if (value)
        entries.insert_or_assign(uuid, *value);
      else
        entries.erase(uuid);
    }
  };
  platform::PlistDict file;
  if (!UpdateStockLibraryDictionary(kStockListKey, apply, &file)) return;
  entries_ = std::move(file);
  unwritten_.clear();
  unwrittenStatus_.clear();
}

void StockLibraryList::store(const std::string& uuid, const StockLibrary& entry) {
  platform::PlistValue value(entry.asTicket());
  unwrittenStatus_.erase(uuid);
  if (!memoryOnly_) unwritten_.insert_or_assign(uuid, value);
  entries_.insert_or_assign(uuid, std::move(value));
}

std::string StockLibraryList::add(StockLibrary* entry) {
  if (entry == nullptr) return {};
  std::string uuid = platform::NewUUIDString();
  while (entries_.contains(uuid)) uuid = platform::NewUUIDString();
  entry->setUUID(uuid);
  store(uuid, *entry);
  write();
  return uuid;
}

void StockLibraryList::update(const std::string& uuid, const StockLibrary* entry) {
  if (entry == nullptr || uuid.empty()) return;
  store(uuid, *entry);
  write();
}

void StockLibraryList::remove(const std::string& uuid) {
  if (entries_.erase(uuid) == 0) return;
  unwrittenStatus_.erase(uuid);
  if (!memoryOnly_) unwritten_.insert_or_assign(uuid, std::nullopt);
  write();
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
  write();
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
  if (changeStatus(uuid, status)) write();
}

void StockLibraryList::clearStatus() {
  bool any = false;
  for (const auto& [uuid, value] : entries_) {
    const platform::PlistDict* dictionary = value.asDictionary();
    if (dictionary == nullptr || StockLibrary(*dictionary).status() == kStockEntryUnsupportedValues) continue;
    any = changeStatus(uuid, kStockEntryNormal) || any;
  }
  if (any) write();
}

bool StockLibraryList::changeStatus(const std::string& uuid, std::int32_t status) {
  auto it = entries_.find(uuid);
  if (it == entries_.end() || it->second.asDictionary() == nullptr) return false;
  StockLibrary entry(*it->second.asDictionary());
  if (entry.status() == status) return false;
  entry.setStatus(status);
  it->second = entry.asTicket();
  if (memoryOnly_) return false;
  // An entry this list wrote goes whole; another's only changes its status, and only while the
  // file still holds it.
  if (auto own = unwritten_.find(uuid); own != unwritten_.end())
    own->second = it->second;
  else
    unwrittenStatus_.insert_or_assign(uuid, status);
  return true;
}

#pragma once
// A set of stock library entries, kept in dictionary form under their UUIDs. The user's library
// lives in the library file and is written back after every change; the printer's library is a
// memory-only list that never touches the file.
#include <map>
#include <optional>
#include <string>

#include "model/stock.h"
#include "platform/plist/plist_value.h"
#include "stocklibrary/stock_library_entry.h"

class StockLibraryList {
 public:
  // The user's library, read from the file.
  StockLibraryList();
  // An empty list; with memoryOnly it never reads or writes the file.
  explicit StockLibraryList(bool memoryOnly);
  StockLibraryList(const StockLibraryList&) = delete;
  StockLibraryList& operator=(const StockLibraryList&) = delete;
  // Writes the file unless memory-only, and only when the list changed since it was last written.
  ~StockLibraryList();

  // UUID -> entry dictionary; values that are not dictionaries are kept as found but skipped.
  const platform::PlistDict& stockList() const { return entries_; }

  // Replaces the entries by the file's list; an empty list when the file has none.
  void read();
  // Applies the changes made since the last write to the file's list as it is now, under the
  // file's lock, so that entries another dialog added or changed meanwhile survive; the entries
  // then are the file's list. Changes that could not be written are kept for the next write.
  void write();

  // Stores the entry under a new UUID (the entry's own is set to it) and answers the UUID.
  std::string add(StockLibrary* entry);
  // Stores the entry under uuid, adding or replacing.
  void update(const std::string& uuid, const StockLibrary* entry);
  void remove(const std::string& uuid);
  // Gives the new stock to the first entry whose stock has the same custom name ignoring case;
  // an empty name matches no entry, so an unnamed entry is never overwritten.
  void replace(const StockLibrary* newEntry);

  // True when some entry's stock has the custom name name, ignoring case.
  bool isDuplicate(const std::string& name) const;
  // The UUID of an entry whose stock equals stock.
  std::optional<std::string> findMatch(const Stock& stock) const;
  void setInUse(const std::string& uuid) { setStatus(uuid, kStockEntryInUse); }
  void setNotInUse(const std::string& uuid) { setStatus(uuid, kStockEntryNormal); }
  // Every entry not holding unsupported values goes back to status 0.
  void clearStatus();

  bool memoryOnly() const { return memoryOnly_; }

 private:
  void setStatus(const std::string& uuid, std::int32_t status);
  // Gives the entry the status; true when that changed something the file must learn.
  bool changeStatus(const std::string& uuid, std::int32_t status);
  void store(const std::string& uuid, const StockLibrary& entry);

  platform::PlistDict entries_;
  // The entries changed since the last write, by UUID: the new dictionary, or none when removed.
  std::map<std::string, std::optional<platform::PlistValue>> unwritten_;
  // The entries of others whose status changed since the last write.
  std::map<std::string, std::int32_t> unwrittenStatus_;
  bool memoryOnly_ = false;
};

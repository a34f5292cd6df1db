#pragma once
// One entry of a stock library: a named paper, the identifier the list keeps it under, and a
// status that tells the library dialog whether the job uses it and whether its values are ones
// the stock editors can show.
#include <cstdint>
#include <optional>
#include <string>

#include "model/stock.h"
#include "platform/plist/plist_value.h"

enum StockLibraryStatus : std::int32_t {
  kStockEntryNormal = 0,
  kStockEntryInUse = 1,
  kStockEntryUnsupportedValues = 2,     // a value no stock editor offers
  kStockEntryUnsupportedAttributes = 3  // valid, but sets finish or grain
};

class StockLibrary {
 public:
  StockLibrary() = default;
  // The defaults, then the entry dictionary's keys (an absent or malformed "Stock" gives the
  // default stock), then validateStockEntry.
  explicit StockLibrary(const platform::PlistDict& dictionary);
  StockLibrary(const StockLibrary& other) = default;
  StockLibrary& operator=(const StockLibrary& other) = default;
  virtual ~StockLibrary() = default;

  // The entry dictionary; the UUID and name keys only when they are not empty.
  virtual platform::PlistDict asTicket() const;

  std::int32_t status() const { return status_; }
  void setStatus(std::int32_t status) { status_ = status; }
  Stock& stock() { return stock_; }
  const Stock& stock() const { return stock_; }
  void setStock(const Stock& stock) { stock_ = stock; }
  const std::string& uuid() const { return uuid_; }
  void setUUID(std::string uuid) { uuid_ = std::move(uuid); }
  const std::string& name() const { return name_; }
  void setName(std::string name) { name_ = std::move(name); }

  // Status 2 when the stock holds a value outside the editors' menus, else 3 when it sets finish
  // or grain, else the status stays (so an in-use mark read from the file survives).
  void validateStockEntry();

 private:
  std::int32_t status_ = kStockEntryNormal;
  Stock stock_;
  std::string uuid_;
  std::string name_;
};

// True when the stock holds only values the stock editors offer (grain aside).
bool StockHasEditableValues(const Stock& stock);

// Makes a stock chosen from the library fit the editors: every value they cannot show becomes
// the printer default, and a stock so changed loses its library name. True when it changed.
bool RepairLibraryStock(Stock& stock);

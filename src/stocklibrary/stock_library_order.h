#pragma once
// The library stocks chosen most recently, for the stock menus: UUIDs, most recent first, at
// most 25, without duplicates. Read when made; every change is applied to the file's list as it
// is under the file's lock, so that stocks another dialog chose meanwhile stay in it.
#include <functional>
#include <string>
#include <vector>

inline constexpr std::size_t kStockOrderListLimit = 25;

class StockLibraryOrderList {
 public:
  StockLibraryOrderList() { read(); }
  StockLibraryOrderList(const StockLibraryOrderList&) = delete;
  StockLibraryOrderList& operator=(const StockLibraryOrderList&) = delete;
  // Writes what clearOrderList left unwritten; every other change is written when made.
  ~StockLibraryOrderList() {
    if (unwritten_) write();
  }

  const std::vector<std::string>& stockOrderList() const { return order_; }

  // The file's list (its strings, in order); empty when the file has none.
  void read();
  // Stores the list as it stands, replacing the file's; the file is written only when it holds
  // something else.
  void write();
  // Moves uuid to the front (adding it), keeping at most 25; an empty uuid does nothing.
  void updateOrderList(const std::string& uuid);
  void remove(const std::string& uuid);
  // Empties the list without writing.
  void clearOrderList() {
    order_.clear();
    unwritten_ = true;
  }

 private:
  // Makes the change here and to the file's list under its lock; the list then is the file's.
  // Where the file could not be written the change is kept here only.
  void change(const std::function<void(std::vector<std::string>&)>& edit);

  std::vector<std::string> order_;
  bool unwritten_ = false;
};

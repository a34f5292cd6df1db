#include "stocklibrary/stock_in_use.h"

void MarkStocksInUse(StockLibraryList& library, const std::vector<const Stock*>& stocksInUse) {
  library.clearStatus();
  for (const Stock* stock : stocksInUse) {
    if (stock == nullptr) continue;
    if (auto uuid = library.findMatch(*stock)) library.setInUse(*uuid);
  }
}

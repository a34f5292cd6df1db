#pragma once
// Marking the library entries the current job uses, as the library dialog does when it opens.
#include <vector>

#include "model/stock.h"
#include "stocklibrary/stock_library_list.h"

// Clears every status, then marks in use the entry equal to each stock the job uses, given in
// the order job-level stock, inserts, exception pages, front cover, back cover.
void MarkStocksInUse(StockLibraryList& library, const std::vector<const Stock*>& stocksInUse);

#pragma once
// The printer's media collection database, as an IPP reply carries it, turned into stocks.
#include <string>
#include <vector>

#include "model/stock.h"
#include "platform/cups_library.h"

// One stock per collection value of the reply's "media-col-database" attribute, in answer order;
// no other attribute is read. A member that is absent is not applied (the stock keeps its
// default); a member of the wrong syntax (a range where an integer belongs, a number where a
// keyword belongs, text that is not UTF-8) is refused: not applied, and counted in refused.
// False, with the reason in error, when the reply has a media-col-database that is not a set of
// collections; an absent attribute gives no stocks.
bool StocksFromMediaColDatabase(ipp_t* reply, std::vector<Stock>& stocks, int& refused, std::string* error);

// The stock of one media collection.
Stock StockFromMediaCol(ipp_t* collection, int& refused);

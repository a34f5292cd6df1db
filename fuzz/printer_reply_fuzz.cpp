// Any bytes as a printer's reply to the media-col-database request: reading them into stocks must
// never crash, and the dictionary of every stock it makes must read back to the same dictionary
// (the stock's dictionary is how the printer's library keeps it).
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "stocklibrary/media_col_reply.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<Stock> stocks;
  std::string error;
  if (!StocksFromReplyBytes(data, size, stocks, &error)) {
    if (error.empty()) {
      std::fputs("printer_reply_fuzz: refused without a message\n", stderr);
      std::abort();
    }
    return 0;
  }
  for (const Stock& stock : stocks) {
    const platform::PlistDict ticket = stock.asTicket();
    if (Stock(&ticket).asTicket() != ticket) {
      std::fputs("printer_reply_fuzz: a stock's dictionary changed on the way through\n", stderr);
      std::abort();
    }
  }
  return 0;
}

#include "stocklibrary/media_col_reply.h"

#include "platform/ipp_bytes.h"
#include "stocklibrary/media_col_stocks.h"
#include "stocklibrary/printer_stock_request.h"

bool StocksFromReplyBytes(const std::uint8_t* data, std::size_t size, std::vector<Stock>& stocks, std::string* error) {
  const IppPtr reply = platform::ReadIppMessage({reinterpret_cast<const char*>(data), size});
  if (!reply) {
    if (error) *error = "not a whole IPP message";
    return false;
  }
  int refused = 0;
  return StocksFromMediaColDatabase(reply.get(), stocks, refused, error);
}

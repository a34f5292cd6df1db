#include "stocklibrary/media_col_reply.h"

#include <cstring>

#include "stocklibrary/media_col_stocks.h"
#include "stocklibrary/printer_stock_request.h"

namespace {

struct Buffer {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t at = 0;
};

// libcups' read callback over the buffer.
ssize_t ReadBuffer(void* context, ipp_uchar_t* out, size_t wanted) {
  Buffer& buffer = *static_cast<Buffer*>(context);
  const std::size_t n = std::min(wanted, buffer.size - buffer.at);
  if (n > 0) std::memcpy(out, buffer.data + buffer.at, n);
  buffer.at += n;
  return static_cast<ssize_t>(n);
}

}  // namespace

bool StocksFromReplyBytes(const std::uint8_t* data, std::size_t size, std::vector<Stock>& stocks, std::string* error) {
  Buffer buffer{data, size};
  IppPtr reply(ippNew());
  if (ippReadIO(&buffer, ReadBuffer, 1, nullptr, reply.get()) != IPP_STATE_DATA) {
    if (error) *error = "not a whole IPP message";
    return false;
  }
  int refused = 0;
  return StocksFromMediaColDatabase(reply.get(), stocks, refused, error);
}

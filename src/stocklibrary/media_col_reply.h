#pragma once
// An IPP reply as bytes (the message body a printer sends) read into stocks: the path every reply
// takes, for the fuzzer and for tests that replay what it found.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/stock.h"

// True and the stocks when the bytes are one whole IPP message whose media-col-database reads;
// false, with the reason in error, otherwise.
bool StocksFromReplyBytes(const std::uint8_t* data, std::size_t size, std::vector<Stock>& stocks, std::string* error);

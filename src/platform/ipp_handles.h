#pragma once
// Owning handles of what libcups' IPP API hands out, released by its own free functions.
#include <memory>

#include "platform/cups_library.h"

namespace platform {

struct IppFree {
  void operator()(ipp_t* ipp) const { ippDelete(ipp); }
  void operator()(http_t* http) const { httpClose(http); }
};

using IppMessagePtr = std::unique_ptr<ipp_t, IppFree>;
using HttpConnectionPtr = std::unique_ptr<http_t, IppFree>;

// The options of a "name=value ..." text, as cupsParseOptions makes them, freed with their count.
class CupsOptions {
 public:
  explicit CupsOptions(const char* text) : count_(cupsParseOptions(text, 0, &options_)) {}
  ~CupsOptions() { cupsFreeOptions(count_, options_); }
  CupsOptions(const CupsOptions&) = delete;
  CupsOptions& operator=(const CupsOptions&) = delete;
  int count() const { return count_; }
  const cups_option_t& operator[](int i) const { return options_[i]; }

 private:
  cups_option_t* options_ = nullptr;
  int count_ = 0;
};

// A destination of cupsGetNamedDest.
struct CupsDestFree {
  void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
using CupsDestPtr = std::unique_ptr<cups_dest_t, CupsDestFree>;

}  // namespace platform

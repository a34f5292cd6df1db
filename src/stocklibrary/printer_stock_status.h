#pragma once
// The values of the printer stock-library status word (gPrinterStockBiDiStatus), which the shell,
// the library dialog and the host read. No other value occurs.
#include <cstdint>

inline constexpr std::int32_t kPrinterStockFailed = 1;      // the last retrieval failed
inline constexpr std::int32_t kPrinterStockRetrieving = 2;  // a retrieval is under way
inline constexpr std::int32_t kPrinterStockFinished = 3;    // the last retrieval finished
inline constexpr std::int32_t kPrinterStockNoWorker = 4;    // no worker started

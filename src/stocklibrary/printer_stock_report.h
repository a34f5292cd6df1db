#pragma once
// What the plug-in tells its host about the printer's stock library: the status word and one
// line per retrieved stock. The module makes it visible by name for the host's "stocks" command.
#include <cstdint>
#include <string>

#include "platform/status.h"

inline constexpr const char* kPrinterStockReportSymbol = "KorvoPrinterStockReport";
using PrinterStockReportProc = platform::OSStatus (*)(std::int32_t* status, std::string* lines, std::string* error);

// status: gPrinterStockBiDiStatus (printer_stock_status.h). lines: one line per retrieved stock, in answer order:
// "<name> = <stock dictionary>", the name quoted. error: why the last retrieval failed.
extern "C" __attribute__((visibility("default"))) platform::OSStatus KorvoPrinterStockReport(
    std::int32_t* status, std::string* lines, std::string* error);

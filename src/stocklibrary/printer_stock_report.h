#pragma once
// What the plug-in tells its host about the printer's stock library: the status word and one
// line per retrieved stock. The module makes it visible by name for the host's "stocks" command.
#include <cstdint>
#include <string>

#include "platform/status.h"
#include "platform/module_export.h"

class PrinterStockLibrary;

inline constexpr const char* kPrinterStockReportSymbol = "KorvoPrinterStockReport";
using PrinterStockReportProc = platform::OSStatus (*)(std::int32_t* status, std::string* lines, std::string* error);

// The report of the dialog now running (the module defines it where it knows that dialog).
// status: the library's status word (printer_stock_status.h). lines: one line per retrieved
// stock, in answer order: "<name> = <stock dictionary>", the name quoted. error: why the last
// retrieval failed. Without a dialog: no worker, no lines, no error.
extern "C" KORVO_EXPORT platform::OSStatus KorvoPrinterStockReport(
    std::int32_t* status, std::string* lines, std::string* error);

// The same of one library (null: a dialog without one).
platform::OSStatus ReportPrinterStockLibrary(const PrinterStockLibrary* library, std::int32_t* status,
                                             std::string* lines, std::string* error);

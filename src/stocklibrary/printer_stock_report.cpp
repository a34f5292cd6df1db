#include "stocklibrary/printer_stock_report.h"

#include "platform/plist/plist_description.h"
#include "stocklibrary/printer_stock_library.h"

// Describes one stock: its quoted name, then its dictionary.
static std::string StockLine(const Stock& stock) {
  return platform::PlistDescription(stock.customName()) + " = " + platform::PlistDescription(stock.asTicket()) + "\n";
}

platform::OSStatus ReportPrinterStockLibrary(const PrinterStockLibrary* library, std::int32_t* status,
                                             std::string* lines, std::string* error) {
  if (status == nullptr || lines == nullptr || error == nullptr) return platform::paramErr;
  *status = library ? library->biDiStatus : kPrinterStockNoWorker;
  lines->clear();
  error->clear();
  if (library == nullptr) return platform::noErr;
  if (library->listParams)
    for (const Stock& stock : *library->listParams) *lines += StockLine(stock);
  *error = library->lastError;
  return platform::noErr;
}

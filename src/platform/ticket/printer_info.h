#pragma once
// The printer-info ticket as the print system fills it: what the printer is, read from the
// main keywords of its printer description (PPD) when a session is pointed at a printer.
#include <cstddef>
#include <string>

#include "platform/result.h"
#include "platform/ticket/ticket.h"

namespace platform {

// No real printer description comes near this size, and libcups takes time that grows with the
// square of its options; a larger file is refused before anything reads it.
inline constexpr std::size_t kMaxPrinterDescriptionBytes = 4u << 20;

// The printer's make and model ("*NickName", else "*ModelName") and its maker ("*Manufacturer").
inline constexpr const char* kPMMakeAndModelNameKey = "com.apple.print.PrinterInfo.PMMakeAndModelName";
inline constexpr const char* kPMManufacturerKey = "com.apple.print.PrinterInfo.PMManufacturer";

struct PrinterDescriptionNames {
  std::string manufacturer;  // *Manufacturer
  std::string modelName;     // *ModelName
  std::string nickName;      // *NickName
};

// The names in the PPD at path (each empty when the file lacks it), or a message naming the file
// when it cannot be read. Values that are not UTF-8 are taken as ISO Latin-1, the PPD default.
Result<PrinterDescriptionNames> ReadPrinterDescriptionNames(const std::string& path);

// Writes the make and model and the manufacturer into the printer-info ticket; a name the
// description lacks is removed, so the ticket never describes the previous printer.
void FillPrinterInfoTicket(const PrinterDescriptionNames& names, Ticket& printerInfo);

}  // namespace platform

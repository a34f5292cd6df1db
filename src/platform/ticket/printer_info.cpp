#include "platform/ticket/printer_info.h"

#include "platform/files/file_io.h"

#include <sstream>
#include <optional>
#include <string_view>

namespace platform {
namespace {

bool IsUTF8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const std::size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += length;
  }
  return true;
}

std::string Latin1ToUTF8(std::string_view text) {
  std::string out;
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

// The quoted value of a main keyword line `*Keyword: "value"`, or none for any other line.
std::optional<std::string> QuotedValue(std::string_view line, std::string_view keyword) {
  if (!line.starts_with(keyword) || line.size() <= keyword.size() || line[keyword.size()] != ':') return std::nullopt;
  line.remove_prefix(keyword.size() + 1);
  const std::size_t open = line.find('"');
  const std::size_t close = line.rfind('"');
  if (open == std::string_view::npos || close == open) return std::nullopt;
  const std::string_view value = line.substr(open + 1, close - open - 1);
  return IsUTF8(value) ? std::string(value) : Latin1ToUTF8(value);
}

void SetOrRemove(Ticket& ticket, const char* key, const std::string& value) {
  if (value.empty()) ticket.remove(key);
  else ticket.set(key, PlistValue(value), kPrintSystemClient);
}

}  // namespace

Result<PrinterDescriptionNames> ReadPrinterDescriptionNames(const std::string& path) {
  const Result<std::string> bytes = ReadFileBytes(path, kMaxPrinterDescriptionBytes);
  if (!bytes) return Result<PrinterDescriptionNames>::fail("cannot read the printer description: " + bytes.error());
  PrinterDescriptionNames names;
  std::istringstream in(*bytes);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (auto value = QuotedValue(line, "*Manufacturer"); value && names.manufacturer.empty()) names.manufacturer = *value;
    else if (auto model = QuotedValue(line, "*ModelName"); model && names.modelName.empty()) names.modelName = *model;
    else if (auto nick = QuotedValue(line, "*NickName"); nick && names.nickName.empty()) names.nickName = *nick;
  }
  return Result<PrinterDescriptionNames>::ok(std::move(names));
}

void FillPrinterInfoTicket(const PrinterDescriptionNames& names, Ticket& printerInfo) {
  SetOrRemove(printerInfo, kPMMakeAndModelNameKey, names.nickName.empty() ? names.modelName : names.nickName);
  SetOrRemove(printerInfo, kPMManufacturerKey, names.manufacturer);
}

}  // namespace platform

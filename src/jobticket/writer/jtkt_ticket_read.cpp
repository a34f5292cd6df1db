#include "jobticket/writer/jtkt_ticket_read.h"

#include "model/ticket_fields.h"
#include "vocabulary/printer_default.h"

std::optional<std::int32_t> JTktSetting(const platform::PlistDict* dict, const char* key) {
  std::int32_t value = kPrinterDefault;
  if (!ReadInteger(dict, key, value) || value == kPrinterDefault) return std::nullopt;
  return value;
}

bool JTktHas(const platform::PlistDict* dict, const char* key) {
  return dict != nullptr && key != nullptr && platform::PlistDictFind(*dict, key) != nullptr;
}

const std::string* JTktString(const platform::PlistDict* dict, const char* key) {
  return key == nullptr ? nullptr : FindString(dict, key);
}

std::optional<bool> JTktBoolean(const platform::PlistDict* dict, const char* key) {
  if (!JTktHas(dict, key)) return std::nullopt;
  const bool* flag = platform::PlistDictFind(*dict, key)->asBoolean();
  return flag ? std::optional<bool>(*flag) : std::nullopt;
}

const platform::PlistDict* JTktDictionary(const platform::PlistDict* dict, const char* key) {
  if (!JTktHas(dict, key)) return nullptr;
  return platform::PlistDictFind(*dict, key)->asDictionary();
}

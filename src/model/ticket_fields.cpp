#include "model/ticket_fields.h"

#include "kit/dictionary_helpers.h"

void PutInteger(platform::PlistDict& dict, const char* key, std::int32_t value) {
  dict.insert_or_assign(key, platform::PlistValue(value));
}

void PutIntegerIfSet(platform::PlistDict& dict, const char* key, std::int32_t value) {
  if (value != kPrinterDefault) PutInteger(dict, key, value);
}

void PutStringIfAny(platform::PlistDict& dict, const char* key, const std::string& text) {
  if (!text.empty()) dict.insert_or_assign(key, platform::PlistValue(text));
}

bool ReadInteger(const platform::PlistDict* dict, const char* key, std::int32_t& field) {
  std::int32_t value = 0;
  if (!CFDictionaryGetNumber(dict, key, &value, kCFNumberSInt32Type)) return false;
  field = value;
  return true;
}

const std::string* FindString(const platform::PlistDict* dict, const char* key) {
  if (dict == nullptr) return nullptr;
  const platform::PlistValue* value = platform::PlistDictFind(*dict, key);
  return value ? value->asString() : nullptr;
}

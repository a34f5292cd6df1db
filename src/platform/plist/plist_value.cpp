#include "platform/plist/plist_value.h"

namespace platform {

const char* PlistKindName(PlistValue::Kind kind) {
  switch (kind) {
    case PlistValue::Kind::None: return "none";
    case PlistValue::Kind::Dictionary: return "dictionary";
    case PlistValue::Kind::Array: return "array";
    case PlistValue::Kind::String: return "string";
    case PlistValue::Kind::Integer: return "integer";
    case PlistValue::Kind::Real: return "real";
    case PlistValue::Kind::Boolean: return "boolean";
    case PlistValue::Kind::Data: return "data";
    case PlistValue::Kind::Date: return "date";
  }
  return "unknown";
}

const PlistValue* PlistDictFind(const PlistDict& dict, std::string_view key) {
  auto it = dict.find(key);
  return it == dict.end() ? nullptr : &it->second;
}

PlistValue* PlistDictFind(PlistDict& dict, std::string_view key) {
  auto it = dict.find(key);
  return it == dict.end() ? nullptr : &it->second;
}

PlistValue& PlistDictSlot(PlistDict& dict, std::string_view key) {
  auto it = dict.lower_bound(key);
  if (it == dict.end() || it->first != key) it = dict.emplace_hint(it, std::string(key), PlistValue());
  return it->second;
}

}  // namespace platform

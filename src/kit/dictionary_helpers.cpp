// The string and nested-dictionary helpers of dictionary_helpers.h.
#include "kit/dictionary_helpers.h"

#include <cstring>
#include <optional>
#include <string>

#include "platform/locale/utf8_text.h"

namespace {

std::optional<std::string> DecodedCString(const char* text, CFStringEncoding encoding) {
  std::string_view bytes(text, std::strlen(text));
  switch (encoding) {
    case kCFStringEncodingUTF8:
      if (!platform::IsValidUTF8(bytes)) return std::nullopt;
      return std::string(bytes);
    case kCFStringEncodingASCII:
      for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80U) return std::nullopt;
      }
      return std::string(bytes);
    case kCFStringEncodingISOLatin1:
      return platform::Latin1ToUTF8(bytes);
  }
  return std::nullopt;
}

}  // namespace

bool CFDictionarySetCString(platform::PlistDict* dict, const char* key, const char* text, CFStringEncoding encoding) {
  if (dict == nullptr || key == nullptr || text == nullptr) return false;
  std::optional<std::string> decoded = DecodedCString(text, encoding);
  if (!decoded) return false;
  (*dict)[key] = platform::PlistValue(std::move(*decoded));
  return true;
}

platform::PlistDict* CFDictionaryGetDictionaryOrCreate(platform::PlistDict* dict, const char* key) {
  if (dict == nullptr || key == nullptr) return nullptr;
  platform::PlistValue& slot = (*dict)[key];
  if (slot.asDictionary() == nullptr) slot = platform::PlistDict{};
  return slot.asDictionary();
}

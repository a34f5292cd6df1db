#include "panels/paper_output/saved_job_settings.h"

#include <optional>
#include <random>

#include "kit/dictionary_helpers.h"
#include "model/paper_output_keys.h"

using platform::PlistDict;
using platform::PlistValue;

namespace {

constexpr const char* kHexDigits = "0123456789ABCDEF";

// Characters a path segment of a URI carries as they are.
bool Unreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
         c == '_' || c == '~';
}

std::string PercentEncoded(const std::string& text) {
  std::string out;
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (Unreserved(c)) {
      out += ch;
    } else {
      out += '%';
      out += kHexDigits[c >> 4];
      out += kHexDigits[c & 0x0F];
    }
  }
  return out;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The decoded text; empty for text that is not well percent-encoded.
std::string PercentDecoded(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    const int high = i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
    const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
    if (low < 0) return {};
    out += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return out;
}

const std::string* StringIn(const PlistDict& d, const char* key) {
  const PlistValue* value = platform::PlistDictFind(d, key);
  return value ? value->asString() : nullptr;
}

std::optional<std::int32_t> Int32In(const PlistDict& d, const char* key) {
  std::int32_t value = 0;
  if (!CFDictionaryGetNumber(&d, key, &value, kCFNumberSInt32Type)) return std::nullopt;
  return value;
}

}  // namespace

SavedJobSettings ReadSavedJobSettings(const PlistDict& d) {
  SavedJobSettings s;
  if (std::optional<std::int32_t> option = Int32In(d, kJobTypeSaveDispositionKey);
      option == kSaveOnly || option == kSaveAndPrint)
    s.saveOption = *option;
  if (const PlistValue* use = platform::PlistDictFind(d, kJobTypeUseJobNameKey); use && use->asBoolean())
    s.useJobName = *use->asBoolean();
  if (const std::string* name = StringIn(d, kJobTypeSavedJobNameKey)) s.jobName = *name;
  if (const std::string* location = StringIn(d, kJobTypeSavedJobLocationKey)) {
    s.folder = FolderOfSavedJobLocation(*location);
    if (s.folder.empty() && *location != kDefaultSavedJobLocation) s.otherLocation = *location;
  }
  if (std::optional<std::int32_t> format = Int32In(d, kJobTypeMediaTypeKey)) s.format = *format;
  if (const std::string* passcode = StringIn(d, kJobTypeSecurePrintPasswordKey)) {
    s.secure = true;
    s.passcode = *passcode;
  }
  return s;
}

void WriteSavedJobSettings(const SavedJobSettings& s, PlistDict& d) {
  d[kJobTypeSaveDispositionKey] = s.saveOption;
  d[kJobTypeUseJobNameKey] = s.useJobName;
  d[kJobTypeSavedJobNameKey] = s.jobName;
  d[kJobTypeSavedJobLocationKey] =
      s.folder.empty() && !s.otherLocation.empty() ? s.otherLocation : SavedJobLocationOfFolder(s.folder);
  d[kJobTypeMediaTypeKey] = s.format;
  if (s.secure) {
    d[kJobTypeSecurePrintPasswordKey] = s.passcode;
  } else {
    d.erase(kJobTypeSecurePrintPasswordKey);
  }
}

std::string SavedJobLocationOfFolder(const std::string& folder) {
  if (folder.empty()) return kDefaultSavedJobLocation;
  return std::string(kDefaultSavedJobLocation) + PercentEncoded(folder) + "/";
}

std::string FolderOfSavedJobLocation(const std::string& location) {
  const std::string base = kDefaultSavedJobLocation;
  if (location.size() <= base.size() + 1 || location.compare(0, base.size(), base) != 0 || location.back() != '/')
    return {};
  const std::string segment = location.substr(base.size(), location.size() - base.size() - 1);
  if (segment.find('/') != std::string::npos) return {};
  return PercentDecoded(segment);
}

bool SavedJobFolderAllowed(const std::string& folder) {
  return folder != "." && folder != ".." && folder.find('/') == std::string::npos;
}

std::string GenerateSecurePasscode() {
  std::random_device source;  // the system's random source, never a clock-seeded generator
  std::uniform_int_distribution<int> digits(1000, 9999);
  return std::to_string(digits(source));
}

#include "platform/plist/plist_description.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace platform {

namespace {

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\x%02x", static_cast<unsigned>(static_cast<unsigned char>(c)));
          out += buffer;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string RealText(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace

std::string PlistDateText(const PlistDate& date) {
  auto seconds = static_cast<std::time_t>(std::floor(date.secondsSince1970));
  std::tm tm{};
  gmtime_r(&seconds, &tm);
  char buffer[32];
  std::strftime(buffer, sizeof buffer, "%Y-%m-%dT%H:%M:%SZ", &tm);
  return buffer;
}

std::string PlistDescription(const PlistValue& value) {
  switch (value.kind()) {
    case PlistValue::Kind::None: return "(none)";
    case PlistValue::Kind::String: return Quoted(*value.asString());
    case PlistValue::Kind::Integer: return std::to_string(*value.asInteger());
    case PlistValue::Kind::Real: return RealText(*value.asReal());
    case PlistValue::Kind::Boolean: return *value.asBoolean() ? "true" : "false";
    case PlistValue::Kind::Date: return PlistDateText(*value.asDate());
    case PlistValue::Kind::Data: {
      static const char kHex[] = "0123456789abcdef";
      std::string out = "<";
      for (std::uint8_t b : *value.asData()) {
        out += kHex[b >> 4];
        out += kHex[b & 0xF];
      }
      return out + ">";
    }
    case PlistValue::Kind::Array: {
      std::string out = "(";
      bool first = true;
      for (const PlistValue& item : *value.asArray()) {
        if (!first) out += ", ";
        first = false;
        out += PlistDescription(item);
      }
      return out + ")";
    }
    case PlistValue::Kind::Dictionary: {
      std::string out = "{";
      bool first = true;
      for (const auto& [key, item] : *value.asDictionary()) {
        if (!first) out += "; ";
        first = false;
        out += Quoted(key) + " = " + PlistDescription(item);
      }
      return out + "}";
    }
  }
  return "(unknown)";
}

}  // namespace platform

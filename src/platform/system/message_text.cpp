#include "platform/system/message_text.h"

#include <cstdio>

namespace platform {

namespace {

void AppendEscaped(std::string& out, const char* format, unsigned code) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, format, code);
  out += buffer;
}

}  // namespace

std::string OneLineText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 0x20 || c == 0x7f) {
      AppendEscaped(out, "\\x%02x", c);
    } else if (c == 0xc2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
               static_cast<unsigned char>(text[i + 1]) <= 0x9f) {
      AppendEscaped(out, "\\u%04x", static_cast<unsigned char>(text[++i]));  // a C1 control in UTF-8
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::string OneLineText(const char* text) { return text != nullptr ? OneLineText(std::string_view(text)) : std::string(); }

}  // namespace platform

#include "platform/four_char_code.h"

namespace platform {

std::optional<OSType> ParseFourCharCode(std::string_view text) {
  if (text.size() != 4) return std::nullopt;
  OSType code = 0;
  for (char c : text) code = (code << 8) | static_cast<unsigned char>(c);
  return code;
}

std::string FourCharCodeText(OSType code) {
  std::string text(4, ' ');
  for (int i = 0; i < 4; ++i) text[static_cast<size_t>(i)] = static_cast<char>((code >> (24 - 8 * i)) & 0xFF);
  return text;
}

}  // namespace platform

#pragma once
// Four-character codes: 32-bit values written as four characters (control signatures, command
// identifiers, event classes), compared as integers.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

using OSType = std::uint32_t;

constexpr OSType FourCharCode(const char (&s)[5]) {
  return (static_cast<OSType>(static_cast<unsigned char>(s[0])) << 24) |
         (static_cast<OSType>(static_cast<unsigned char>(s[1])) << 16) |
         (static_cast<OSType>(static_cast<unsigned char>(s[2])) << 8) |
         static_cast<OSType>(static_cast<unsigned char>(s[3]));
}

// The code of exactly four characters of text, or none.
std::optional<OSType> ParseFourCharCode(std::string_view text);
std::string FourCharCodeText(OSType code);

}  // namespace platform

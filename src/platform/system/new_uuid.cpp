#include "platform/system/new_uuid.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <random>

namespace platform {

std::string NewUUIDString() {
  // One engine seeded from the system's random source; the lock lets any thread ask.
  static std::mutex lock;
  static std::mt19937_64 engine{std::random_device{}()};
  std::array<std::uint8_t, 16> bytes{};
  {
    std::lock_guard<std::mutex> guard(lock);
    const std::uint64_t high = engine(), low = engine();
    for (std::size_t i = 0; i < 8; ++i) {
      bytes[i] = static_cast<std::uint8_t>(high >> (8 * i));
      bytes[8 + i] = static_cast<std::uint8_t>(low >> (8 * i));
    }
  }
  bytes[6] = static_cast<std::uint8_t>((bytes[6] & 0x0F) | 0x40);  // version 4
  bytes[8] = static_cast<std::uint8_t>((bytes[8] & 0x3F) | 0x80);  // RFC 4122 variant
  std::string text;
  char hex[3];
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i == 4 || i == 6 || i == 8 || i == 10) text += '-';
    std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned>(bytes[i]));
    text += hex;
  }
  return text;
}

}  // namespace platform

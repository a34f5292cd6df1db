#pragma once
// Identifiers of plug-in types, factories and interfaces (CFUUID-style, compared by value).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct PluginUUID {
  std::array<std::uint8_t, 16> bytes{};
  // Parses "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX" (either letter case); none when malformed.
  static std::optional<PluginUUID> parse(std::string_view text);
  std::string toString() const;  // upper case, with hyphens
  friend bool operator==(const PluginUUID&, const PluginUUID&) = default;
  friend auto operator<=>(const PluginUUID&, const PluginUUID&) = default;
};

}  // namespace platform

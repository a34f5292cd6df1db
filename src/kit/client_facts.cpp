#include "kit/client_facts.h"

#include "platform/system/host_identity.h"
#include "platform/system/primary_address.h"

ClientFacts CurrentClientFacts() {
  return ClientFacts{platform::ConsoleUserName(), platform::ComputerName(), platform::PrimaryIPv4Address()};
}

std::optional<std::string> CurrentConsoleUserName() { return platform::ConsoleUserName(); }

bool IsWritableComputerName(std::string_view name) {
  size_t i = 0;
  while (i < name.size()) {
    auto byte = static_cast<unsigned char>(name[i]);
    char32_t cp;
    if (byte < 0x80) {
      cp = byte;
      i += 1;
    } else if ((byte & 0xE0) == 0xC0 && i + 1 < name.size() &&
               (static_cast<unsigned char>(name[i + 1]) & 0xC0) == 0x80) {
      cp = (static_cast<char32_t>(byte & 0x1F) << 6) | (static_cast<unsigned char>(name[i + 1]) & 0x3F);
      if (cp < 0x80) return false;  // overlong
      i += 2;
    } else {
      return false;  // three-byte and longer sequences all lie above U+00FE; bad bytes are refused
    }
    if (cp < 0x20 || cp > 0xFE) return false;
  }
  return true;
}

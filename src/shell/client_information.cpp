#include "shell/client_information.h"

#include "model/client_information_keys.h"
#include "model/ticket_clients.h"

void WriteClientInformation(platform::Ticket& ticket, const ClientFacts& facts) {
  platform::PlistDict options;
  options.emplace(kJTKTOptionAllKey, true);
  ticket.set(kJTKTOptionsKey, std::move(options), kShellClientID);
  ticket.remove(kRotateBooklet180DegreesKey);
  ticket.set(kControllerFamilyKey, kControllerFamily, kShellClientID);
  ticket.set(kControllerVersionKey, kControllerVersion, kShellClientID);

  auto setOrRemove = [&](const char* key, const std::optional<std::string>& value) {
    if (value && !value->empty())
      ticket.set(key, *value, kShellClientID);
    else
      ticket.remove(key);
  };
  setOrRemove(kClientUserNameKey, facts.userName);
  setOrRemove(kClientComputerNameKey,
              facts.computerName && IsWritableComputerName(*facts.computerName) ? facts.computerName : std::nullopt);
  setOrRemove(kClientIPAddressKey, facts.ipAddress);
}

#pragma once
// What the system tells about the client the job is printed from: the console user, the computer
// name and the primary IPv4 address.
#include <optional>
#include <string>
#include <string_view>

// What the system tells; none where it tells nothing.
struct ClientFacts {
  std::optional<std::string> userName;
  std::optional<std::string> computerName;
  std::optional<std::string> ipAddress;
};

ClientFacts CurrentClientFacts();

// The console user's name alone; none when the system tells none.
std::optional<std::string> CurrentConsoleUserName();

// True when every character of the UTF-8 text lies in U+0020..U+00FE (and the text is valid
// UTF-8): the controller shows the computer name in a Latin-1 field.
bool IsWritableComputerName(std::string_view name);

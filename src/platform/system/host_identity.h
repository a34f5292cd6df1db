#pragma once
// Who is printing, from where: the names the print dialog records with a job.
#include <optional>
#include <string>

namespace platform {

// The login name of the user this process runs for; none when the account database has no
// entry for the user.
std::optional<std::string> ConsoleUserName();

// The machine's host name; none when it cannot be had or is empty.
std::optional<std::string> ComputerName();

}  // namespace platform

#pragma once
// Who is printing, from where: the names the print dialog records with a job.
#include <optional>
#include <string>

namespace platform {

// The login name of the user this process runs for; none when the account database has no
// entry for the user.
std::optional<std::string> ConsoleUserName();

// Where ConsoleUserName gets its answer: the account database, unless a scripted source stands
// in for it (a machine where nobody is logged in on the console cannot be had on demand).
using ConsoleUserSource = std::optional<std::string> (*)();

// Makes ConsoleUserName answer from source for the life of the object, then restores the
// source before it.
class ScopedConsoleUserSource {
 public:
  explicit ScopedConsoleUserSource(ConsoleUserSource source);
  ~ScopedConsoleUserSource();
  ScopedConsoleUserSource(const ScopedConsoleUserSource&) = delete;
  ScopedConsoleUserSource& operator=(const ScopedConsoleUserSource&) = delete;

 private:
  ConsoleUserSource previous_;
};

// The machine's host name; none when it cannot be had or is empty.
std::optional<std::string> ComputerName();

}  // namespace platform

#pragma once
// The host's sub-commands: their arguments, parsed from argv, and the command function each
// line runs (the work is done there).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvo_host {

inline constexpr int kExitOK = 0;
inline constexpr int kExitUserError = 1;   // a bad file, a foreign printer
inline constexpr int kExitUsageError = 2;  // bad arguments

struct CommandLine {
  // What the line asks for: a command to run, or the usual habits of a command-line tool.
  enum class Request { Run, Help, Version };
  Request request = Request::Run;
  // "show", "export", "set", "import", "stocks", "type42", "watermark", "ipp", "print", "dialog",
  // "print-dialog", "help-page"; for Help the command whose usage is wanted, or empty for all of them
  std::string command;
  std::optional<std::string> ppdPath;     // --ppd FILE
  std::optional<std::string> sessionPath; // --session FILE
  std::optional<std::string> bundlePath;  // --bundle DIR (tests and packagers)
  std::optional<std::string> outputPath;  // -o FILE
  std::optional<std::string> deviceURI;   // --uri URI (stocks, print)
  std::optional<std::string> queue;       // --queue NAME (print): a CUPS queue
  std::optional<std::string> layoutPath;  // --layout FILE: where the window's controls are
  std::vector<std::string> arguments;     // the rest, in order
};

// The parsed command line, or a one-line usage message. "--help", "help [CMD]" and "CMD --help"
// parse as CommandLine::Request::Help, "--version" as Request::Version.
bool ParseCommandLine(int argc, const char* const argv[], CommandLine* out, std::string* error);

// One line for each command.
const std::string& UsageText();
// The usage line of one command (as in UsageText), or empty for a name that is no command.
std::string CommandUsage(std::string_view command);

// Runs the command of a parsed line (or prints the usage or version it asks for on out): its
// exit status.
int RunCommandLine(const CommandLine& line);

}  // namespace korvo_host

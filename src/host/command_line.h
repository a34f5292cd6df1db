#pragma once
// The host's sub-commands: their arguments, parsed from argv, and the command function each
// line runs (the work is done there).
#include <optional>
#include <string>
#include <vector>

namespace korvo_host {

inline constexpr int kExitOK = 0;
inline constexpr int kExitUserError = 1;   // a bad file, a foreign printer
inline constexpr int kExitUsageError = 2;  // bad arguments

struct CommandLine {
  std::string command;                   // "show", "export", "set", "import", "stocks", "type42", "watermark", "dialog"
  std::optional<std::string> ppdPath;     // --ppd FILE
  std::optional<std::string> sessionPath; // --session FILE
  std::optional<std::string> bundlePath;  // --bundle DIR (tests and packagers)
  std::optional<std::string> outputPath;  // -o FILE
  std::optional<std::string> deviceURI;   // --uri URI (stocks)
  std::optional<std::string> layoutPath;  // dialog --layout FILE: where the window's controls are
  std::vector<std::string> arguments;     // the rest, in order
};

// The parsed command line, or a one-line usage message.
bool ParseCommandLine(int argc, const char* const argv[], CommandLine* out, std::string* error);

// One line for each command.
const std::string& UsageText();

// Runs the command of a parsed line: its exit status.
int RunCommandLine(const CommandLine& line);

}  // namespace korvo_host

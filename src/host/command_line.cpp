#include "host/command_line.h"

#include <string_view>

namespace korvo_host {

const char* UsageText() {
  return "usage: korvo-pde show [--ppd FILE] [--session FILE] [--bundle DIR]\n"
         "       korvo-pde export --session FILE -o OUT.xml [--bundle DIR]\n"
         "       korvo-pde set --session FILE [--ppd FILE] [--bundle DIR] KEY=VALUE...\n"
         "       korvo-pde import --session FILE IN.xml... [--bundle DIR]\n"
         "       korvo-pde stocks [--uri URI] [--session FILE] [--bundle DIR]\n"
         "       korvo-pde type42 FONT -o OUT.t42 [--bundle DIR]\n"
         "       korvo-pde watermark --session FILE -o OUT.png|OUT.pdf [--bundle DIR]\n"
         "       korvo-pde dialog [--ppd FILE] [--session FILE] [--bundle DIR] [--layout FILE]\n";
}

bool ParseCommandLine(int argc, const char* const argv[], CommandLine* out, std::string* error) {
  if (argc < 2) {
    *error = "no command given";
    return false;
  }
  CommandLine line;
  line.command = argv[1];
  if (line.command != "show" && line.command != "export" && line.command != "set" && line.command != "import" &&
      line.command != "stocks" && line.command != "type42" && line.command != "watermark" &&
      line.command != "dialog") {
    *error = "unknown command \"" + line.command + "\"";
    return false;
  }
  for (int i = 2; i < argc; ++i) {
    std::string_view arg = argv[i];
    auto value = [&](std::optional<std::string>& slot) {
      if (i + 1 >= argc) {
        *error = std::string(arg) + " needs a value";
        return false;
      }
      slot = argv[++i];
      return true;
    };
    if (arg == "--ppd") {
      if (!value(line.ppdPath)) return false;
    } else if (arg == "--session") {
      if (!value(line.sessionPath)) return false;
    } else if (arg == "--bundle") {
      if (!value(line.bundlePath)) return false;
    } else if (arg == "--uri" && line.command == "stocks") {
      if (!value(line.deviceURI)) return false;
    } else if (arg == "--layout" && line.command == "dialog") {
      if (!value(line.layoutPath)) return false;
    } else if (arg == "-o" && line.command != "show" && line.command != "dialog") {
      if (!value(line.outputPath)) return false;
    } else if (arg.starts_with("--")) {
      *error = "unknown option " + std::string(arg);
      return false;
    } else {
      line.arguments.emplace_back(arg);
    }
  }
  // set and import take their settings and files as arguments, type42 its font.
  const bool takesArguments = line.command == "set" || line.command == "import" || line.command == "type42";
  if (!takesArguments && !line.arguments.empty()) {
    *error = line.command + " takes no file arguments";
    return false;
  }
  if (line.command == "stocks" && !line.deviceURI && !line.sessionPath) {
    *error = "stocks needs --uri URI or --session FILE";
    return false;
  }
  // export and watermark work on a session file and write one file.
  if ((line.command == "export" || line.command == "watermark") && (!line.sessionPath || !line.outputPath)) {
    *error = line.command + " needs --session FILE and -o FILE";
    return false;
  }
  if (line.command == "type42" && (line.arguments.size() != 1 || !line.outputPath)) {
    *error = "type42 needs one FONT and -o FILE";
    return false;
  }
  if (line.command == "set") {
    if (!line.sessionPath || line.arguments.empty()) {
      *error = "set needs --session FILE and at least one KEY=VALUE";
      return false;
    }
    for (const std::string& setting : line.arguments)
      if (setting.find('=') == std::string::npos || setting.front() == '=') {
        *error = "\"" + setting + "\" is not KEY=VALUE";
        return false;
      }
  }
  if (line.command == "import" && (!line.sessionPath || line.arguments.empty())) {
    *error = "import needs --session FILE and at least one job-ticket file";
    return false;
  }
  *out = std::move(line);
  return true;
}

}  // namespace korvo_host

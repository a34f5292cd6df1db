#include "host/command_line.h"

#include <string_view>

namespace korvo_host {

const char* UsageText() {
  return "usage: korvo-pde show [--ppd FILE] [--session FILE] [--bundle DIR]\n"
         "       korvo-pde export --session FILE -o OUT.xml [--bundle DIR]\n"
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
  if (line.command != "show" && line.command != "export" && line.command != "type42" &&
      line.command != "watermark" && line.command != "dialog") {
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
  const bool takesFont = line.command == "type42";
  if (!takesFont && !line.arguments.empty()) {
    *error = line.command + " takes no file arguments";
    return false;
  }
  // export and watermark work on a session file and write one file.
  if ((line.command == "export" || line.command == "watermark") && (!line.sessionPath || !line.outputPath)) {
    *error = line.command + " needs --session FILE and -o FILE";
    return false;
  }
  if (takesFont && (line.arguments.size() != 1 || !line.outputPath)) {
    *error = "type42 needs one FONT and -o FILE";
    return false;
  }
  *out = std::move(line);
  return true;
}

}  // namespace korvo_host

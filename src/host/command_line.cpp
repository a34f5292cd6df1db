#include "host/command_line.h"

#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <span>
#include <string_view>

#include "host/export_command.h"
#include "host/help_page_command.h"
#include "host/host_paths.h"
#include "host/import_command.h"
#include "host/ipp_command.h"
#include "host/print_command.h"
#include "host/set_command.h"
#include "host/show_command.h"
#include "host/stocks_command.h"
#include "host/type42_command.h"
#include "host/watermark_command.h"
#include "platform/bundle/bundle.h"
#include "platform/preferences/preference_file.h"

namespace korvo_host {

namespace {

// What a command accepts besides --ppd, --session and --bundle.
enum Takes : unsigned {
  kTakesNothing = 0,
  kTakesArguments = 1,  // settings, files or a font after the options
  kTakesOutput = 2,     // -o FILE
  kTakesURI = 4,        // --uri URI
  kTakesLayout = 8,     // --layout FILE
  kTakesQueue = 16,     // --queue NAME
};

bool HasKeyValues(const CommandLine& line, std::string* error) {
  for (const std::string& setting : line.arguments)
    if (setting.find('=') == std::string::npos || setting.front() == '=') {
      *error = "\"" + setting + "\" is not KEY=VALUE";
      return false;
    }
  return true;
}

// ok, or false with the message.
bool Need(bool ok, std::string* error, const char* message) {
  if (!ok) *error = message;
  return ok;
}

// The window is a program of its own, so that only the commands that show one load GTK: it takes
// over this process with the same line.
int RunWindow(const CommandLine& line) {
  std::vector<std::string> arguments = {WindowProgramPath(), line.command};
  for (const auto& [option, value] : {std::pair{"--ppd", line.ppdPath}, std::pair{"--session", line.sessionPath},
                                      std::pair{"--bundle", line.bundlePath}, std::pair{"--layout", line.layoutPath}})
    if (value) arguments.insert(arguments.end(), {option, *value});
  arguments.insert(arguments.end(), line.arguments.begin(), line.arguments.end());
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  std::cout.flush();
  ::execv(argv[0], argv.data());
  std::cerr << "ERROR: this korvo-pde has no window (" << arguments[0]
            << " is missing); \"make dialog\" installs GTK 4 and builds it\n";
  return kExitUserError;
}

struct CommandRule {
  std::string_view name;
  const char* usage;  // what follows the name on its usage line
  unsigned takes;
  // False, with the message, when the line lacks what the command cannot work without.
  bool (*complete)(const CommandLine&, std::string* error);
  int (*run)(const CommandLine&);
};

constexpr CommandRule kCommands[] = {
    {"show", "[--ppd FILE] [--session FILE] [--bundle DIR]", kTakesNothing,
     [](const CommandLine&, std::string*) { return true; },
     [](const CommandLine& l) { return RunShowCommand(l, std::cout, std::cerr); }},
    {"export", "--session FILE -o OUT.xml [--bundle DIR]", kTakesOutput,
     [](const CommandLine& l, std::string* e) {
       return Need(l.sessionPath && l.outputPath, e, "export needs --session FILE and -o FILE");
     },
     [](const CommandLine& l) { return RunExportCommand(l, std::cerr); }},
    {"set", "--session FILE [--ppd FILE] [--bundle DIR] KEY=VALUE...", kTakesArguments,
     [](const CommandLine& l, std::string* e) {
       return Need(l.sessionPath && !l.arguments.empty(), e, "set needs --session FILE and at least one KEY=VALUE") &&
              HasKeyValues(l, e);
     },
     [](const CommandLine& l) { return RunSetCommand(l, std::cout, std::cerr); }},
    {"import", "--session FILE IN.xml... [--bundle DIR]", kTakesArguments,
     [](const CommandLine& l, std::string* e) {
       return Need(l.sessionPath && !l.arguments.empty(), e, "import needs --session FILE and at least one job-ticket file");
     },
     [](const CommandLine& l) { return RunImportCommand(l, std::cout, std::cerr); }},
    {"stocks", "[--uri URI] [--session FILE] [--bundle DIR]", kTakesURI,
     [](const CommandLine& l, std::string* e) {
       return Need(l.deviceURI || l.sessionPath, e, "stocks needs --uri URI or --session FILE");
     },
     [](const CommandLine& l) { return RunStocksCommand(l, std::cout, std::cerr); }},
    {"type42", "FONT -o OUT.t42 [--bundle DIR]", kTakesArguments | kTakesOutput,
     [](const CommandLine& l, std::string* e) {
       return Need(l.arguments.size() == 1 && l.outputPath, e, "type42 needs one FONT and -o FILE");
     },
     [](const CommandLine& l) { return RunType42Command(l, std::cerr); }},
    {"watermark", "--session FILE -o OUT.png|OUT.pdf [--bundle DIR]", kTakesOutput,
     [](const CommandLine& l, std::string* e) {
       return Need(l.sessionPath && l.outputPath, e, "watermark needs --session FILE and -o FILE");
     },
     [](const CommandLine& l) { return RunWatermarkCommand(l, std::cerr); }},
    {"ipp", "--session FILE [-o job.test] [--bundle DIR]", kTakesOutput,
     [](const CommandLine& l, std::string* e) { return Need(l.sessionPath.has_value(), e, "ipp needs --session FILE"); },
     [](const CommandLine& l) { return RunIppCommand(l, std::cerr); }},
    {"print", "--session FILE (--uri URI | --queue NAME) DOC.pdf [--bundle DIR]",
     kTakesURI | kTakesQueue | kTakesArguments,
     [](const CommandLine& l, std::string* e) {
       return Need(l.sessionPath && (l.deviceURI.has_value() != l.queue.has_value()) && l.arguments.size() == 1, e,
                   "print needs --session FILE, either --uri URI or --queue NAME, and one DOC.pdf");
     },
     [](const CommandLine& l) { return RunPrintCommand(l, std::cout, std::cerr); }},
    {"dialog", "[--ppd FILE] [--session FILE] [--bundle DIR] [--layout FILE]", kTakesLayout,
     [](const CommandLine&, std::string*) { return true; },
     RunWindow},
    {"print-dialog", "DOC.pdf [--session FILE] [--bundle DIR] [--layout FILE]", kTakesArguments | kTakesLayout,
     [](const CommandLine& l, std::string* e) { return Need(l.arguments.size() == 1, e, "print-dialog needs one DOC.pdf"); },
     RunWindow},
    {"help-page", "PAGE [--bundle DIR]", kTakesArguments,
     [](const CommandLine& l, std::string* e) {
       return Need(l.arguments.size() == 1, e, "help-page needs one PAGE, such as paper_output/finishing/db_folding_d.htm");
     },
     [](const CommandLine& l) { return RunHelpPageCommand(l, std::cout, std::cerr); }},
};

const CommandRule* FindCommand(std::string_view name) {
  for (const CommandRule& rule : kCommands)
    if (rule.name == name) return &rule;
  return nullptr;
}

std::string UsageLine(const CommandRule& rule, bool first) {
  return std::string(first ? "usage: " : "       ") + "korvo-pde " + std::string(rule.name) + " " + rule.usage + "\n";
}

// The version is the plug-in bundle's, as its Info.plist gives it, so the program and the
// plug-in it loads can never claim different ones.
int PrintVersion(const CommandLine& line) {
  const std::string bundlePath = line.bundlePath.value_or(DefaultBundlePath());
  auto bundle = platform::Bundle::open(bundlePath);
  if (!bundle) {
    std::cerr << "ERROR: " << bundle.error() << "\n";
    return kExitUserError;
  }
  const auto found = (*bundle)->infoDictionary().find("CFBundleShortVersionString");
  const std::string* version = found == (*bundle)->infoDictionary().end() ? nullptr : found->second.asString();
  if (version == nullptr || version->empty()) {
    std::cerr << "ERROR: " << bundlePath << "/Contents/Info.plist has no CFBundleShortVersionString\n";
    return kExitUserError;
  }
  std::cout << "korvo-pde " << *version << "\n";
  return kExitOK;
}

// "help", "--help", "-h" and "--version" are no commands; they say how to use the others.
bool ParseHabit(int argc, const char* const argv[], CommandLine* out, std::string* error) {
  const std::string_view first = argv[1];
  CommandLine line;
  if (first == "--help" || first == "-h" || first == "help") {
    line.request = CommandLine::Request::Help;
    if (argc > 2) line.command = argv[2];
    if (argc > 3) {
      *error = std::string(first) + " takes at most one command name";
      return false;
    }
    if (!line.command.empty() && FindCommand(line.command) == nullptr) {
      *error = "no help for \"" + line.command + "\": not a command";
      return false;
    }
  } else {
    line.request = CommandLine::Request::Version;
    for (int i = 2; i < argc; ++i) {
      if (std::string_view(argv[i]) != "--bundle" || i + 1 >= argc) {
        *error = "--version takes only --bundle DIR";
        return false;
      }
      line.bundlePath = argv[++i];
    }
  }
  *out = std::move(line);
  return true;
}

}  // namespace

int RunCommandLine(const CommandLine& line) {
  switch (line.request) {
    case CommandLine::Request::Help:
      std::cout << (line.command.empty() ? UsageText() : CommandUsage(line.command));
      return kExitOK;
    case CommandLine::Request::Version:
      return PrintVersion(line);
    case CommandLine::Request::Run:
      break;
  }
  const CommandRule* rule = FindCommand(line.command);
  if (rule == nullptr) return kExitUsageError;  // a parsed line always names a command
  const unsigned failedBefore = platform::PreferenceWritesFailed();
  const int status = rule->run(line);
  // A preference the command changed and could not keep has said why; the command has failed.
  return status == kExitOK && platform::PreferenceWritesFailed() != failedBefore ? kExitUserError : status;
}

const std::string& UsageText() {
  static const std::string text = [] {
    std::string usage;
    for (const CommandRule& rule : kCommands) usage += UsageLine(rule, usage.empty());
    usage += "       korvo-pde help [COMMAND] | COMMAND --help | --help | --version\n";
    return usage;
  }();
  return text;
}

std::string CommandUsage(std::string_view command) {
  const CommandRule* rule = FindCommand(command);
  return rule ? UsageLine(*rule, true) : std::string();
}

bool ParseCommandLine(int argc, const char* const argv[], CommandLine* out, std::string* error) {
  if (argc < 2) {
    *error = "no command given";
    return false;
  }
  const std::string_view first = argv[1];
  if (first == "--help" || first == "-h" || first == "help" || first == "--version")
    return ParseHabit(argc, argv, out, error);
  CommandLine line;
  line.command = argv[1];
  const CommandRule* rule = FindCommand(line.command);
  if (rule == nullptr) {
    *error = first.starts_with("-") ? "unknown option " + line.command : "unknown command \"" + line.command + "\"";
    return false;
  }
  const std::span<const char* const> args(argv + 2, static_cast<std::size_t>(argc - 2));
  // "CMD --help" asks for the command's usage, whatever else the line holds.
  if (std::find(args.begin(), args.end(), std::string_view("--help")) != args.end()) {
    out->request = CommandLine::Request::Help;
    out->command = line.command;
    return true;
  }
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    std::optional<std::string>* slot = arg == "--ppd"       ? &line.ppdPath
                                       : arg == "--session" ? &line.sessionPath
                                       : arg == "--bundle"  ? &line.bundlePath
                                       : arg == "--uri" && (rule->takes & kTakesURI)       ? &line.deviceURI
                                       : arg == "--queue" && (rule->takes & kTakesQueue)   ? &line.queue
                                       : arg == "--layout" && (rule->takes & kTakesLayout) ? &line.layoutPath
                                       : arg == "-o" && (rule->takes & kTakesOutput)       ? &line.outputPath
                                                                                           : nullptr;
    if (slot != nullptr) {
      if (i + 1 >= args.size()) {
        *error = std::string(arg) + " needs a value";
        return false;
      }
      *slot = args[++i];
    } else if (arg.starts_with("-")) {
      *error = "unknown option " + std::string(arg);
      return false;
    } else {
      line.arguments.emplace_back(arg);
    }
  }
  if (!(rule->takes & kTakesArguments) && !line.arguments.empty()) {
    *error = line.command + " takes no file arguments";
    return false;
  }
  if (!rule->complete(line, error)) return false;
  *out = std::move(line);
  return true;
}

}  // namespace korvo_host

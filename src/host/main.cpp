// korvo-pde: a program that plays the print dialog for the Korvo features plug-in.
#include <iostream>
#include <string_view>

#include "host/command_line.h"
#include "host/export_command.h"
#include "host/import_command.h"
#include "host/set_command.h"
#include "host/show_command.h"
#include "host/stocks_command.h"
#include "host/type42_command.h"
#include "host/watermark_command.h"
#ifdef KORVO_HAVE_GTK
#include "host/window/dialog_command.h"
#endif

namespace {

using korvo_host::CommandLine;

int RunDialog([[maybe_unused]] const CommandLine& line) {
#ifdef KORVO_HAVE_GTK
  return korvo_host::RunDialogCommand(line, std::cout, std::cerr);
#else
  std::cerr << "ERROR: this korvo-pde was built without GTK 4; \"make dialog\" installs it and builds the window\n";
  return korvo_host::kExitUserError;
#endif
}

struct Command {
  std::string_view name;
  int (*run)(const CommandLine&);
};

constexpr Command kCommands[] = {
    {"show", [](const CommandLine& l) { return korvo_host::RunShowCommand(l, std::cout, std::cerr); }},
    {"export", [](const CommandLine& l) { return korvo_host::RunExportCommand(l, std::cerr); }},
    {"set", [](const CommandLine& l) { return korvo_host::RunSetCommand(l, std::cout, std::cerr); }},
    {"import", [](const CommandLine& l) { return korvo_host::RunImportCommand(l, std::cout, std::cerr); }},
    {"stocks", [](const CommandLine& l) { return korvo_host::RunStocksCommand(l, std::cout, std::cerr); }},
    {"type42", [](const CommandLine& l) { return korvo_host::RunType42Command(l, std::cerr); }},
    {"watermark", [](const CommandLine& l) { return korvo_host::RunWatermarkCommand(l, std::cerr); }},
    {"dialog", RunDialog},
};

}  // namespace

int main(int argc, char** argv) {
  CommandLine line;
  std::string error;
  if (!korvo_host::ParseCommandLine(argc, argv, &line, &error)) {
    std::cerr << "korvo-pde: " << error << "\n" << korvo_host::UsageText();
    return korvo_host::kExitUsageError;
  }
  for (const Command& command : kCommands)
    if (command.name == line.command) return command.run(line);
  std::cerr << "korvo-pde: \"" << line.command << "\" is parsed but has no program\n";
  return korvo_host::kExitUsageError;
}

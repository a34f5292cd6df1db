// korvo-pde-window: the print dialog in a real window. `korvo-pde dialog` runs it with its own line,
// so that GTK is loaded by this program alone.
#include <iostream>

#include "host/command_line.h"
#include "host/window/dialog_command.h"

int main(int argc, char** argv) {
  korvo_host::CommandLine line;
  std::string error;
  if (!korvo_host::ParseCommandLine(argc, argv, &line, &error) || line.command != "dialog") {
    std::cerr << "korvo-pde-window: " << (error.empty() ? "only the dialog command runs here" : error) << "\n";
    return korvo_host::kExitUsageError;
  }
  return korvo_host::RunDialogCommand(line, std::cout, std::cerr);
}

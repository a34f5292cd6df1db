// korvo-pde-window: the print dialog in a real window. `korvo-pde dialog` and `korvo-pde
// print-dialog` run it with their own line, so that GTK is loaded by this program alone.
#include <iostream>

#include "host/command_line.h"
#include "host/window/dialog_command.h"
#include "host/window/print_dialog_command.h"

int main(int argc, char** argv) {
  korvo_host::CommandLine line;
  std::string error;
  const bool parsed = korvo_host::ParseCommandLine(argc, argv, &line, &error);
  if (parsed && line.command == "print-dialog") return korvo_host::RunPrintDialogCommand(line, std::cout, std::cerr);
  if (!parsed || line.command != "dialog") {
    std::cerr << "korvo-pde-window: " << (error.empty() ? "only the dialog commands run here" : error) << "\n";
    return korvo_host::kExitUsageError;
  }
  return korvo_host::RunDialogCommand(line, std::cout, std::cerr);
}

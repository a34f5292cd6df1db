// korvo-pde: a program that plays the print dialog for the Korvo features plug-in.
#include <iostream>

#include "host/command_line.h"

int main(int argc, char** argv) {
  korvo_host::CommandLine line;
  std::string error;
  if (!korvo_host::ParseCommandLine(argc, argv, &line, &error)) {
    std::cerr << "korvo-pde: " << error << "\n" << korvo_host::UsageText();
    return korvo_host::kExitUsageError;
  }
  return korvo_host::RunCommandLine(line);
}

// korvo-pde: a program that plays the print dialog for the Korvo features plug-in.
#include <iostream>

#include "host/command_line.h"
#include "host/export_command.h"
#include "host/set_command.h"
#include "host/import_command.h"
#include "host/show_command.h"
#include "host/stocks_command.h"
#include "host/type42_command.h"
#include "host/watermark_command.h"
#ifdef KORVO_HAVE_GTK
#include "host/window/dialog_command.h"
#endif

int main(int argc, char** argv) {
  korvo_host::CommandLine line;
  std::string error;
  if (!korvo_host::ParseCommandLine(argc, argv, &line, &error)) {
    std::cerr << "korvo-pde: " << error << "\n" << korvo_host::UsageText();
    return korvo_host::kExitUsageError;
  }
  if (line.command == "export") return korvo_host::RunExportCommand(line, std::cerr);
  if (line.command == "set") return korvo_host::RunSetCommand(line, std::cout, std::cerr);
  if (line.command == "import") return korvo_host::RunImportCommand(line, std::cout, std::cerr);
  if (line.command == "stocks") return korvo_host::RunStocksCommand(line, std::cout, std::cerr);
  if (line.command == "type42") return korvo_host::RunType42Command(line, std::cerr);
  if (line.command == "watermark") return korvo_host::RunWatermarkCommand(line, std::cerr);
  if (line.command == "dialog") {
#ifdef KORVO_HAVE_GTK
    return korvo_host::RunDialogCommand(line, std::cout, std::cerr);
#else
    std::cerr << "ERROR: this korvo-pde was built without GTK 4; \"make dialog\" installs it and builds the window\n";
    return korvo_host::kExitUserError;
#endif
  }
  return korvo_host::RunShowCommand(line, std::cout, std::cerr);
}

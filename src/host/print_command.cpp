#include "host/print_command.h"

#include "host/dialog_session.h"

namespace korvo_host {

int RunPrintCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
  std::string jobURI;
  const int status = RunOnDialogSession(line, err, [&](PrintDialog& pde) {
    std::string warnings;
    auto printed = pde.printDocument(*line.deviceURI, line.arguments.front(), &jobURI, &warnings);
    err << warnings;
    return printed;
  });
  if (status == kExitOK) out << "job-uri = " << jobURI << "\n";
  return status;
}

}  // namespace korvo_host

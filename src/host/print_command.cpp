#include "host/print_command.h"

#include "host/dialog_session.h"

namespace korvo_host {

int RunPrintCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
  std::string printed;
  const std::string& document = line.arguments.front();
  const int status = RunOnDialogSession(line, err, [&](PrintDialog& pde) {
    std::string warnings;
    auto result = line.queue ? pde.printDocumentToQueue(*line.queue, document, &printed, &warnings)
                             : pde.printDocument(*line.deviceURI, document, &printed, &warnings);
    err << warnings;
    return result;
  });
  if (status != kExitOK) return status;
  // As lp and the printer name what they took.
  if (line.queue)
    out << "request id is " << printed << " (1 file(s))\n";
  else
    out << "job-uri = " << printed << "\n";
  return status;
}

}  // namespace korvo_host

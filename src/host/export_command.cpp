#include "host/export_command.h"

#include "host/dialog_session.h"

namespace korvo_host {

int RunExportCommand(const CommandLine& line, std::ostream& err) {
  return RunOnDialogSession(line, err, [&](PrintDialog& pde) { return pde.exportJobTicket(*line.outputPath); });
}

}  // namespace korvo_host

#include "host/watermark_command.h"

#include "host/dialog_session.h"

namespace korvo_host {

int RunWatermarkCommand(const CommandLine& line, std::ostream& err) {
  return RunOnDialogSession(line, err, [&](PrintDialog& pde) { return pde.drawWatermark(*line.outputPath); });
}

}  // namespace korvo_host

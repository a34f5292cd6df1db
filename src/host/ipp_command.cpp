#include "host/ipp_command.h"

#include "host/dialog_session.h"

namespace korvo_host {

int RunIppCommand(const CommandLine& line, std::ostream& err) {
  return RunOnDialogSession(line, err, [&](PrintDialog& pde) { return pde.writeIppTestFile(line.outputPath.value_or("-")); });
}

}  // namespace korvo_host

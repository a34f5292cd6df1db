#pragma once
// `korvo-pde ipp --session FILE [-o job.test]`: opens the dialog on the session file's session
// and has the plug-in write its settings as an ipptool test file (standard output without -o).
// The session file is read, never written.
#include <ostream>

#include "host/command_line.h"

namespace korvo_host {

int RunIppCommand(const CommandLine& line, std::ostream& err);

}  // namespace korvo_host

#pragma once
#include <ostream>

#include "host/command_line.h"

namespace korvo_host {

// korvo-pde stocks [--uri URI] [--session FILE]: opens the dialog on the session's printer (the
// device URI of --uri, else the session's), lets the plug-in fetch the printer's stock library
// while the main run loop is pumped, and prints one stock a line. A printer that cannot be asked
// gives one "ERROR:" line and exit status 1 within a bounded time.
int RunStocksCommand(const CommandLine& line, std::ostream& out, std::ostream& err);

}  // namespace korvo_host

#pragma once
// `korvo-pde show`: runs the dialog's calls on a session (Prologue, Initialize, Open, Sync,
// Close, Terminate) and lists the print-settings ticket that results.
#include <ostream>

#include "host/command_line.h"

namespace korvo_host {

int RunShowCommand(const CommandLine& line, std::ostream& out, std::ostream& err);

}  // namespace korvo_host

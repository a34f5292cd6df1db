#pragma once
// korvo-pde dialog: the print dialog in a real window (GTK 4).
#include <ostream>

#include "host/command_line.h"

namespace korvo_host {

// Shows the dialog on the session's printer until Save or Cancel; the exit status of the host.
int RunDialogCommand(const CommandLine& line, std::ostream& out, std::ostream& err);

}  // namespace korvo_host

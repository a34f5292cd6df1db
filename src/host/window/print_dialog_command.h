#pragma once
// korvo-pde print-dialog: GTK's own print dialog, the extension's panels as tabs of it.
#include <ostream>

#include "host/command_line.h"

namespace korvo_host {

// Shows the dialog for the PDF the line names until Print or Cancel: the exit status of the host.
int RunPrintDialogCommand(const CommandLine& line, std::ostream& out, std::ostream& err);

}  // namespace korvo_host

#pragma once
// `korvo-pde help-page PAGE`: the file of one page of the plug-in's help book, the page a
// dialog's Help button opens, so that scripts and people can open it themselves.
#include <ostream>

#include "host/command_line.h"

namespace korvo_host {

// Prints the page's absolute path on out; a bundle without a help book, or a book without that
// page, is one "ERROR:" line on err and kExitUserError.
int RunHelpPageCommand(const CommandLine& line, std::ostream& out, std::ostream& err);

}  // namespace korvo_host

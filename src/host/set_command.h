#pragma once
// `korvo-pde set --session FILE KEY=VALUE...`: changes settings as a user would, by choosing in
// the panels' named controls (see README.md), and lists the ticket that follows.
#include <ostream>

#include "host/command_line.h"

namespace korvo_host {

int RunSetCommand(const CommandLine& line, std::ostream& out, std::ostream& err);

}  // namespace korvo_host

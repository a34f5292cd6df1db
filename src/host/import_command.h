#pragma once
// `korvo-pde import --session FILE IN.xml...`: opens the dialog on the session file's session
// (Prologue, Initialize, Open), runs the plug-in's job-ticket import of the files, closes the
// dialog, saves the session and prints the summary of what was imported. A file that cannot be
// imported changes nothing: the session file is then left as it was.
#include <ostream>

#include "host/command_line.h"

namespace korvo_host {

int RunImportCommand(const CommandLine& line, std::ostream& out, std::ostream& err);

}  // namespace korvo_host

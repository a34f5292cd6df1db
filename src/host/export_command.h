#pragma once
// `korvo-pde export --session FILE -o OUT.xml`: opens the dialog on the session file's session
// (Prologue, Initialize, Open), runs the plug-in's job-ticket export to OUT.xml, and closes the
// dialog. The session file is read, never written.
#include <ostream>

#include "host/command_line.h"

namespace korvo_host {

int RunExportCommand(const CommandLine& line, std::ostream& err);

}  // namespace korvo_host

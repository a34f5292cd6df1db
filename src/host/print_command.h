#pragma once
// `korvo-pde print --session FILE --uri URI DOC.pdf`: opens the dialog on the session file's
// session and has the plug-in print the document on the printer with the session's settings as
// standard IPP job attributes: one "WARNING:" line on stderr per setting the printer does not
// support, then "job-uri = URI" on stdout. With --queue NAME the job goes through that CUPS queue
// and "request id is NAME-N (1 file(s))" is printed, as lp prints it. The session file is read,
// never written.
#include <ostream>

#include "host/command_line.h"

namespace korvo_host {

int RunPrintCommand(const CommandLine& line, std::ostream& out, std::ostream& err);

}  // namespace korvo_host

#pragma once
// `korvo-pde watermark --session FILE -o OUT.png|OUT.pdf`: opens the dialog on the session file's
// session and has the plug-in draw the session's watermark on its page, as the watermark
// preview shows it, into a PNG picture or a one-page PDF. The session file is read, never written.
#include <ostream>

#include "host/command_line.h"

namespace korvo_host {

int RunWatermarkCommand(const CommandLine& line, std::ostream& err);

}  // namespace korvo_host

#pragma once
// `korvo-pde type42 FONT -o OUT.t42`: has the plug-in convert a TrueType font file to a Type 42
// font program, as it does for a watermark's font. No dialog is opened.
#include <ostream>

#include "host/command_line.h"

namespace korvo_host {

int RunType42Command(const CommandLine& line, std::ostream& err);

}  // namespace korvo_host

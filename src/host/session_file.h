#pragma once
// The session file as the sub-commands share it, once opened (see dialog_session.h): listed and
// saved back.
#include <optional>
#include <ostream>

#include "host/command_line.h"
#include "platform/ticket/print_session.h"

namespace korvo_host {

// The print-settings ticket, keys sorted, one "key = value" a line.
void ListPrintSettings(const platform::PrintSession& session, std::ostream& out);

// Saves the session to --session, when given; false after one "ERROR:" line on err.
bool SaveSessionFile(const CommandLine& line, const platform::PrintSession& session, std::ostream& err);

}  // namespace korvo_host

#pragma once
// The session file as the sub-commands share it: opened when it exists (a new session when it
// does not), listed, and saved back.
#include <optional>
#include <ostream>

#include "host/command_line.h"
#include "platform/ticket/print_session.h"

namespace korvo_host {

// The session of --session when the file exists, else a new one; none, after one "ERROR:" line on
// err, when the file exists but cannot be read.
std::optional<platform::PrintSession> OpenSessionFile(const CommandLine& line, std::ostream& err);

// The print-settings ticket, keys sorted, one "key = value" a line.
void ListPrintSettings(const platform::PrintSession& session, std::ostream& out);

// Saves the session to --session, when given; false after one "ERROR:" line on err.
bool SaveSessionFile(const CommandLine& line, const platform::PrintSession& session, std::ostream& err);

}  // namespace korvo_host

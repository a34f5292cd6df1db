#pragma once
// The session file as the sub-commands share it, once opened (see dialog_session.h): listed and
// saved back.
#include <optional>
#include <ostream>

#include "host/command_line.h"
#include "platform/preferences/preference_lock.h"
#include "platform/ticket/print_session.h"

namespace korvo_host {

// The print-settings ticket, keys sorted, one "key = value" a line.
void ListPrintSettings(const platform::PrintSession& session, std::ostream& out);

// The lock of the session file --session names, held from before the file is read until after
// it is saved, so that two commands changing one session take turns and neither change is lost.
// It is the preference files' advisory lock, on the file the path leads to. Empty without
// --session; none, after one "ERROR:" line on err, when the lock cannot be had.
struct SessionFileLock {
  std::optional<platform::PreferenceFileLock> held;
};
std::optional<SessionFileLock> LockSessionFile(const CommandLine& line, std::ostream& err);

// Saves the session to --session, when given; false after one "ERROR:" line on err.
bool SaveSessionFile(const CommandLine& line, const platform::PrintSession& session, std::ostream& err);

}  // namespace korvo_host

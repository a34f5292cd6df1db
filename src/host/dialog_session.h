#pragma once
// What every sub-command does before its own work: point the session at its printer and bring
// the plug-in up on it as the print dialog does.
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "host/command_line.h"
#include "host/print_dialog.h"
#include "platform/ticket/print_session.h"

namespace korvo_host {

// The session of --session when the file exists, else a new one; none (after an "ERROR:" line)
// when the file exists but cannot be read.
std::optional<platform::PrintSession> OpenSessionFile(const CommandLine& line, std::ostream& err);

// Sets the session's printer description (--ppd, else the one the session names, else the
// bundled sample printer) and fills the printer-info ticket from it, loads the plug-in and runs Prologue, Initialize and Open. None, after
// one "ERROR:" line on err, when the description cannot be read, the plug-in cannot be loaded or
// the printer is not Korvo's.
std::unique_ptr<PrintDialog> OpenDialogOnSession(const CommandLine& line, const std::string& bundlePath,
                                                 platform::PrintSession& session, std::ostream& err);

// The paper is the print dialog's own choice (its page set-up), not a panel's: the session's page
// format takes the printer's page size `choice` (as platform::ReadPaperFormat names one) as the
// print system gives it. False, the session unchanged, after one "ERROR: SETTING: ..." line on
// err when the printer has none so named.
bool ChoosePaperSize(platform::PrintSession& session, const std::string& choice, const std::string& setting,
                     std::ostream& err);

// Loads the session file --session names into *session, then opens the dialog on it as
// OpenDialogOnSession does. None, after one "ERROR:" line on err, when either step fails.
std::unique_ptr<PrintDialog> OpenDialogOnSessionFile(const CommandLine& line, platform::PrintSession* session,
                                                     std::ostream& err);

// What the export and watermark commands share: loads the session file (read, never written),
// opens the dialog on it, runs step, closes the dialog. The exit status: kExitOK when step
// returned noErr; kExitUserError, after one "ERROR:" line (the plug-in's own, or step's message),
// otherwise.
using DialogStep = std::function<platform::Result<platform::OSStatus>(PrintDialog&)>;
int RunOnDialogSession(const CommandLine& line, std::ostream& err, const DialogStep& step);

}  // namespace korvo_host

#include "host/set_command.h"

#include "host/dialog_session.h"
#include "host/host_paths.h"
#include "host/session_file.h"
#include "platform/ui/user_choice.h"

namespace korvo_host {

namespace {

namespace ui = platform::ui;

// Makes one choice and answers what it opens; false after one "ERROR:" line naming the setting.
// Note alerts are told on err, one line each, and the choice goes on.
bool Apply(PrintDialog& pde, const std::string& setting, std::ostream& err) {
  const std::size_t equals = setting.find('=');
  const std::string key = setting.substr(0, equals), value = setting.substr(equals + 1);
  ui::LabelAnswers answers;
  ui::UserDriver user;
  const platform::OSStatus status =
      ui::ChooseByLabels(pde.window().content(), user, key, ui::SplitLabelPath(value), &answers);
  for (const std::string& note : answers.notes()) err << "NOTE: " << setting << ": " << note << "\n";
  if (status == ui::kNoSuchLabelErr) {
    err << "ERROR: " << setting << ": no setting " << key << " offering \"" << value << "\"\n";
  } else if (status != platform::noErr) {
    err << "ERROR: " << setting << ": not available now\n";
  } else if (answers.refusal()) {
    err << "ERROR: " << setting << ": " << *answers.refusal() << "\n";
  } else if (!answers.unusedSteps().empty()) {
    err << "ERROR: " << setting << ": "
        << (answers.dialogShown() ? "no dialog left to answer \"" + answers.unusedSteps().front() + "\""
                                  : std::string("opens no dialog to answer"))
        << "\n";
  } else {
    return true;
  }
  return false;
}

}  // namespace

int RunSetCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
  const std::optional<SessionFileLock> lock = LockSessionFile(line, err);
  if (!lock) return kExitUserError;
  auto session = OpenSessionFile(line, err);
  if (!session) return kExitUserError;
  std::unique_ptr<PrintDialog> dialog =
      OpenDialogOnSession(line, line.bundlePath.value_or(DefaultBundlePath()), *session, err);
  if (!dialog) return kExitUserError;
  for (const std::string& setting : line.arguments)
    if (!Apply(*dialog, setting, err)) return kExitUserError;  // the session file stays as it was
  dialog->sync(false);
  dialog->close();
  dialog->terminate();
  ListPrintSettings(*session, out);
  return SaveSessionFile(line, *session, err) ? kExitOK : kExitUserError;
}

}  // namespace korvo_host

#include "host/set_command.h"

#include "host/dialog_session.h"
#include "host/host_paths.h"
#include "host/session_file.h"
#include "platform/locale/utf8_text.h"
#include "platform/preferences/preference_file.h"
#include "platform/preferences/preference_write_stage.h"
#include "platform/ui/user_choice.h"

namespace korvo_host {

namespace {

namespace ui = platform::ui;

constexpr const char* kPageSizeKey = "PageSize";

// Makes one choice and answers what it opens; false after one "ERROR:" line naming the setting.
// Note alerts are told on err, one line each, and the choice goes on.
// The setting as messages name it: a long value (a pasted message, say) cut short.
// It is cut between characters, so that the line stays valid UTF-8.
std::string Named(const std::string& setting) {
  constexpr std::size_t kShown = 72;
  if (setting.size() <= kShown) return setting;
  std::size_t cut = 0;
  for (std::size_t next = 0; next <= kShown; next += platform::NextUTF8Step(setting, next).length) cut = next;
  return setting.substr(0, cut) + "...";
}

bool Apply(PrintDialog& pde, platform::PrintSession& session, const std::string& fullSetting, std::ostream& err) {
  const std::size_t equals = fullSetting.find('=');
  const std::string key = fullSetting.substr(0, equals), value = fullSetting.substr(equals + 1);
  const std::string setting = Named(fullSetting);
  if (key == kPageSizeKey) return ChoosePaperSize(session, value, setting, err);
  ui::LabelAnswers answers;
  ui::UserDriver user;
  const unsigned failedBefore = platform::PreferenceWritesFailed();
  const platform::OSStatus status =
      ui::ChooseByLabels(pde.window().content(), user, key, ui::SplitLabelPath(value), &answers);
  for (const std::string& note : answers.notes()) err << "NOTE: " << setting << ": " << note << "\n";
  if (platform::PreferenceWritesFailed() != failedBefore) {
    // The preference file's own line has said why; an alert repeating it would say it twice.
  } else if (status == ui::kNoSuchLabelErr) {
    err << "ERROR: " << setting << ": no setting " << key << " offering \"" << Named(value) << "\"\n";
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
  // A refused command changes no file: the preference files are written with the session, or not
  // at all.
  platform::PreferenceWriteStage preferences;
  const unsigned failedBefore = platform::PreferenceWritesFailed();
  std::unique_ptr<PrintDialog> dialog =
      OpenDialogOnSession(line, line.bundlePath.value_or(DefaultBundlePath()), *session, err);
  if (!dialog) return kExitUserError;
  for (const std::string& setting : line.arguments)
    if (!Apply(*dialog, *session, setting, err)) return kExitUserError;  // the session file stays as it was
  dialog->sync(false);
  dialog->close();
  dialog->terminate();
  if (platform::PreferenceWritesFailed() != failedBefore || !preferences.write()) return kExitUserError;
  // The ticket is listed only once it is saved: a listing would tell the user it was.
  if (!SaveSessionFile(line, *session, err)) {
    preferences.restore();
    return kExitUserError;
  }
  ListPrintSettings(*session, out);
  return kExitOK;
}

}  // namespace korvo_host

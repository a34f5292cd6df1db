// The job-notes preferences dialog: three check boxes on a copy of the stored preferences.
#include "kit/dialog_services.h"
#include "panels/job_notes/job_notes_preferences.h"
#include "panels/modal_dialog.h"

namespace ui = platform::ui;

namespace {

constexpr platform::OSType kHelpCommand = platform::FourCharCode("Khlp");
constexpr const char* kPreferencesHelpPage = "job_notes_d/db_preferences_d.htm";

// Each check box and the preference it shows, in the order of their ids 9000, 9001 and 9002.
constexpr bool JobNotesPreferences::*kBoxes[] = {&JobNotesPreferences::useDocumentNameAsJobName,
                                                  &JobNotesPreferences::useLoginNameAsSenderName,
                                                  &JobNotesPreferences::useLoginNameAsRecipientName};

}  // namespace

bool RunModalJobNotesPreferencesDialog(JobNotesContext& context, platform::OSStatus* status) {
  if (status) *status = platform::noErr;
  std::unique_ptr<ui::Window> window = LoadDialogWindow(context.bundle, kJobNotesInterfaceName, kJobNotesPrefsWindowName);
  ui::Control* boxes[3] = {};
  for (std::int32_t i = 0; i < 3; ++i) boxes[i] = window ? window->find({kJobNotesPrefsSignature, 9000 + i}) : nullptr;
  if (!boxes[0] || !boxes[1] || !boxes[2]) {
    if (status) *status = kDialogNotLoadedErr;
    return false;
  }
  for (int i = 0; i < 3; ++i) boxes[i]->setValue(context.preferences.*kBoxes[i] ? 1 : 0);
  const platform::Bundle* bundle = context.bundle;
  ui::EventHandlerRef help = window->installHandler({{ui::kEventClassCommand, ui::kEventCommandProcess}}, [bundle](ui::Event& e) {
    if (e.command != kHelpCommand) return platform::eventNotHandledErr;
    DisplayHelp(bundle, kPreferencesHelpPage, "");
    return platform::noErr;
  });
  if (!RunModalOKCancel(*window)) return false;
  JobNotesPreferences chosen = context.preferences;
  for (int i = 0; i < 3; ++i) chosen.*kBoxes[i] = boxes[i]->value() != 0;
  SaveJobNotesPreferences(chosen);  // a file that cannot be written has been named; the choice still holds
  context.preferences = chosen;
  return true;
}

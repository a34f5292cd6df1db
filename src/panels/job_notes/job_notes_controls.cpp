// Between the Job Notes context and its controls.
#include "controls/combo_box.h"
#include "panels/job_notes/job_notes_panel.h"
#include "vocabulary/setting_map.h"

namespace {

namespace ui = platform::ui;

void ShowName(ui::Control* combo, bool special, std::int32_t specialValue, const std::string& name) {
  if (combo == nullptr) return;
  const KComboValue value = special ? KComboValue{specialValue} : KComboValue{name};
  KComboBoxSetValue(combo, &value);
}

void TakeName(ui::Control* combo, bool& special, std::string& name) {
  if (combo == nullptr) return;
  KComboValue value;
  if (KComboBoxCopyValue(combo, &value) == platform::noErr) {
    if (const std::string* typed = std::get_if<std::string>(&value)) {
      name = *typed;
      special = false;
      return;
    }
  }
  special = true;  // a special entry, or nothing typed
}

void TakeText(const ui::Control* field, std::string& text) {
  if (field != nullptr) text = field->text();
}

void ShowText(ui::Control* field, const std::string& text) {
  if (field != nullptr) field->setText(text);
}

}  // namespace

void JobNotesSyncToUI(JobNotesContext& context) {
  if (!context.opened) return;
  JobNotesControls& c = context.controls;
  ShowName(c.jobName, context.useJobName, kUseJobNameValue, context.jobName);
  ShowName(c.sender, context.senderUsesLoginName, kUseLoginNameValue, context.senderName);
  ShowName(c.recipient, context.recipientUsesLoginName, kUseLoginNameValue, context.recipientName);
  ShowText(c.bannerMessage, context.bannerMessage);
  ShowText(c.jobStartMessage, context.jobStartMessage);
  ShowText(c.additionalInfo, context.additionalInfo);
  // Only while the panel is in front: a panel behind must not take the focus from the one shown.
  if (c.jobName != nullptr && c.jobName->window() != nullptr && c.jobName->isReallyVisible())
    c.jobName->window()->setFocus(c.jobName);
}

void JobNotesSyncFromUI(JobNotesContext& context) {
  if (!context.opened) return;
  JobNotesControls& c = context.controls;
  TakeText(c.bannerMessage, context.bannerMessage);
  TakeText(c.jobStartMessage, context.jobStartMessage);
  TakeText(c.additionalInfo, context.additionalInfo);
  TakeName(c.jobName, context.useJobName, context.jobName);
  TakeName(c.sender, context.senderUsesLoginName, context.senderName);
  TakeName(c.recipient, context.recipientUsesLoginName, context.recipientName);
}

void FinalizeJobNotesControls(JobNotesContext& context) {
  if (!context.opened) return;
  for (ui::Control* combo : {context.controls.jobName, context.controls.sender, context.controls.recipient})
    if (combo != nullptr) KComboBoxFinalize(combo, true);
}

// Reading the panel's entries from the print-settings ticket.
#include "model/job_notes_keys.h"
#include "panels/job_notes/job_notes_ticket.h"

namespace {

std::string TextOf(const platform::Ticket& settings, const char* key) {
  const std::string* text = settings.getString(key);
  return text ? *text : std::string();
}

// A name counts only when the user typed it; under a true flag the entry is the login name or
// the document's name that stood in for it, which the panel must not show as typed.
std::string NameOf(const platform::Ticket& settings, const char* key, bool notTyped) {
  return notTyped ? std::string() : TextOf(settings, key);
}

// The flag; when it is missing, a name is typed only if the ticket holds one: an imported job
// ticket brings names without flags, and they must survive the next write.
bool NotTyped(const platform::Ticket& settings, const char* flagKey, const char* nameKey) {
  return settings.getBoolean(flagKey).value_or(settings.getString(nameKey) == nullptr);
}

}  // namespace

void ReadJobNotesTicket(JobNotesContext& context, const platform::Ticket& settings) {
  context.useJobName = NotTyped(settings, kJobNotesUseJobNameKey, kJobNotesJobNameKey);
  context.senderUsesLoginName = NotTyped(settings, kJobNotesSenderUseLoginNameKey, kJobNotesSenderNameKey);
  context.recipientUsesLoginName = NotTyped(settings, kJobNotesRecipientUseLoginNameKey, kJobNotesRecipientKey);
  context.jobStartMessage = TextOf(settings, kJobNotesMessageKey);
  context.bannerMessage = TextOf(settings, kJobNotesSheetMessageKey);
  context.additionalInfo = TextOf(settings, kJobNotesAdditionalInfoKey);
  context.jobName = NameOf(settings, kJobNotesJobNameKey, context.useJobName);
  context.senderName = NameOf(settings, kJobNotesSenderNameKey, context.senderUsesLoginName);
  context.recipientName = NameOf(settings, kJobNotesRecipientKey, context.recipientUsesLoginName);
}

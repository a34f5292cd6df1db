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

}  // namespace

void ReadJobNotesTicket(JobNotesContext& context, const platform::Ticket& settings) {
  context.useJobName = settings.getBoolean(kJobNotesUseJobNameKey).value_or(true);
  context.senderUsesLoginName = settings.getBoolean(kJobNotesSenderUseLoginNameKey).value_or(true);
  context.recipientUsesLoginName = settings.getBoolean(kJobNotesRecipientUseLoginNameKey).value_or(true);
  context.jobStartMessage = TextOf(settings, kJobNotesMessageKey);
  context.bannerMessage = TextOf(settings, kJobNotesSheetMessageKey);
  context.additionalInfo = TextOf(settings, kJobNotesAdditionalInfoKey);
  context.jobName = NameOf(settings, kJobNotesJobNameKey, context.useJobName);
  context.senderName = NameOf(settings, kJobNotesSenderNameKey, context.senderUsesLoginName);
  context.recipientName = NameOf(settings, kJobNotesRecipientKey, context.recipientUsesLoginName);
}

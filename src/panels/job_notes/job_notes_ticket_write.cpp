// Writing the panel's entries into the print-settings ticket.
#include "model/job_notes_keys.h"
#include "model/ticket_clients.h"
#include "panels/job_notes/job_notes_ticket.h"

namespace {

void PutText(platform::Ticket& settings, const char* key, const std::string& text) {
  if (text.empty()) {
    settings.remove(key);
  } else {
    settings.set(key, text, kPrintingManagerClientID);
  }
}

// The flag, and the name: what was typed, else the console user's, else no entry at all (an
// empty name would be printed on the banner sheet as if it were one).
void PutName(platform::Ticket& settings, const char* flagKey, bool notTyped, const char* nameKey,
             const std::string& typed, const std::optional<std::string>& consoleUser) {
  settings.set(flagKey, notTyped, kPrintingManagerClientID);
  PutText(settings, nameKey, !notTyped && !typed.empty() ? typed : consoleUser.value_or(std::string()));
}

}  // namespace

void WriteJobNotesTicket(const JobNotesContext& context, platform::Ticket& settings,
                         const std::optional<std::string>& consoleUser) {
  PutText(settings, kJobNotesMessageKey, context.jobStartMessage);
  PutText(settings, kJobNotesSheetMessageKey, context.bannerMessage);
  PutText(settings, kJobNotesAdditionalInfoKey, context.additionalInfo);
  PutName(settings, kJobNotesUseJobNameKey, context.useJobName, kJobNotesJobNameKey, context.jobName, consoleUser);
  PutName(settings, kJobNotesSenderUseLoginNameKey, context.senderUsesLoginName, kJobNotesSenderNameKey,
          context.senderName, consoleUser);
  PutName(settings, kJobNotesRecipientUseLoginNameKey, context.recipientUsesLoginName, kJobNotesRecipientKey,
          context.recipientName, consoleUser);
}

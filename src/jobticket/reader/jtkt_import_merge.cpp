// The end of an import: the import dictionary into the print-settings ticket.
#include <utility>

#include "jobticket/reader/jtkt_reader.h"
#include "kit/ticket_access.h"
#include "model/job_notes_keys.h"

namespace {

// A name the job ticket brings is a name given, as if typed: its flag must say so, or the Job
// Notes panel would put the document's or the login name in its place at the next Sync.
constexpr std::pair<const char*, const char*> kNamesAndFlags[] = {
    {kJobNotesJobNameKey, kJobNotesUseJobNameKey},
    {kJobNotesSenderNameKey, kJobNotesSenderUseLoginNameKey},
    {kJobNotesRecipientKey, kJobNotesRecipientUseLoginNameKey},
};

}  // namespace

void JTKTMergeIntoTicket(platform::Ticket& ticket, const platform::PlistDict& dictionary) {
  for (const auto& [key, value] : dictionary)
    if (value.kind() != platform::PlistValue::Kind::None) ticket.set(key, value, kJTKTImportClient);
  for (const auto& [name, flag] : kNamesAndFlags)
    if (auto found = dictionary.find(name); found != dictionary.end() && found->second.asString() != nullptr)
      ticket.set(flag, false, kJTKTImportClient);
}

platform::OSStatus JTKTImportMergeIntoJobTicket(platform::PrintSession* session, const platform::PlistDict* dictionary) {
  if (session == nullptr || dictionary == nullptr) return platform::paramErr;
  if (dictionary->empty()) return platform::noErr;
  platform::Ticket* printSettings = nullptr;
  if (GetTicketFromSession(session, platform::kPDE_PMPrintSettingsRef, &printSettings) != platform::noErr ||
      printSettings == nullptr)
    return platform::noErr;
  JTKTMergeIntoTicket(*printSettings, *dictionary);
  return platform::noErr;
}

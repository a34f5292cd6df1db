// The end of an import: the import dictionary into the print-settings ticket.
#include "jobticket/reader/jtkt_reader.h"
#include "kit/ticket_access.h"

void JTKTMergeIntoTicket(platform::Ticket& ticket, const platform::PlistDict& dictionary) {
  for (const auto& [key, value] : dictionary)
    if (value.kind() != platform::PlistValue::Kind::None) ticket.set(key, value, kJTKTImportClient);
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

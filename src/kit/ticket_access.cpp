#include "kit/ticket_access.h"

platform::OSStatus GetTicketFromSession(platform::PrintSession* session, std::string_view name,
                                        platform::Ticket** ticket) {
  if (session == nullptr || ticket == nullptr) return platform::paramErr;
  if (platform::Ticket* found = session->ticket(name)) *ticket = found;
  return platform::noErr;
}

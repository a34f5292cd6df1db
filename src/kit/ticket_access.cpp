#include "kit/ticket_access.h"

#include <limits>

platform::OSStatus GetTicketFromSession(platform::PrintSession* session, std::string_view name,
                                        platform::Ticket** ticket) {
  if (session == nullptr || ticket == nullptr) return platform::paramErr;
  if (platform::Ticket* found = session->ticket(name)) *ticket = found;
  return platform::noErr;
}

std::optional<std::int32_t> GetTicketInt32(const platform::Ticket& ticket, std::string_view key) {
  const std::optional<std::int64_t> value = ticket.getInteger(key);
  if (!value || *value < std::numeric_limits<std::int32_t>::min() || *value > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(*value);
}

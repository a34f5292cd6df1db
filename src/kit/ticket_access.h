#pragma once
// How every panel and dialog reaches a ticket of the print session. Callers initialise the out
// ticket to null and skip their whole read or write pass when it stays null, so a session
// without the ticket never fails a dialog.
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/status.h"
#include "platform/ticket/print_session.h"

// Stores the session's ticket of that name (such as platform::kPDE_PMPrintSettingsRef) in
// *ticket. noErr also when the session has no such ticket; *ticket is then left as it was.
// paramErr when session or ticket is null.
platform::OSStatus GetTicketFromSession(platform::PrintSession* session, std::string_view name,
                                        platform::Ticket** ticket);

// The key's value as a 32-bit integer; none when it is absent, of another kind or beyond 32 bits,
// so that a reader keeps its default rather than a value cut down to size.
std::optional<std::int32_t> GetTicketInt32(const platform::Ticket& ticket, std::string_view key);

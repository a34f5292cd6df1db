// The accounting identifiers and the page range to print, from the ticket.
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "jobticket/writer/jtkt_commands.h"
#include "jobticket/writer/jtkt_escape.h"
#include "jobticket/writer/jtkt_ticket_read.h"
#include "model/advanced_keys.h"
#include "model/ticket_fields.h"

namespace {

// The controller keeps an identifier in 79 bytes.
constexpr std::size_t kAccountingIdentifierBytes = 79;

std::string Identifier(const platform::PlistDict* ticket, const char* key) {
  const std::string* text = JTktString(ticket, key);
  return text ? std::string(JTktCutUTF8(*text, kAccountingIdentifierBytes)) : std::string();
}

}  // namespace

void WriteJTKTAccounting(const JTktWriter& writer, const platform::PlistDict* ticket) {
  if (ticket == nullptr) return;
  JTktDebug(&writer.context, "DEBUG: Ticket is valid\n");
  if (!JTktHas(ticket, kAccountingOnKey)) {
    JTktDebug(&writer.context, "DEBUG: No accounting ticket present\n");
    return;
  }
  std::int32_t on = 0;
  ReadInteger(ticket, kAccountingOnKey, on);
  JTktDebug(&writer.context, "DEBUG: Found accounting key: %ld\n", static_cast<long>(on));
  if (on != kAccountingOnValue) return;
  JTktDebug(&writer.context, "DEBUG: Accounting is enabled\n");
  const std::string userId = Identifier(ticket, kAccountingUserIDKey);
  const std::string accountId = Identifier(ticket, kAccountingAccountIDKey);
  JTktDebug(&writer.context, "DEBUG: user id %s, acct id %s\n", userId.c_str(), accountId.c_str());
  WriteJTktAccounting(&writer.context, userId.c_str(), accountId.c_str());
}

void WriteJTKTPagesToPrint(const JTktWriter& writer, const platform::PlistDict* ticket) {
  if (JTktSetting(ticket, kPagesToPrintSelectedKey) != 1) return;
  long from = JTktSetting(ticket, kPagesToPrintFromKey).value_or(0);
  long to = JTktSetting(ticket, kPagesToPrintToKey).value_or(0);
  if (from <= 0 || to <= 0) return;
  if (from > to) std::swap(from, to);
  WriteJTktPageRanges(&writer.context, from, to);
}

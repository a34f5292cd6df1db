// Tickets and numbers in them: the session's tickets by name, and numbers read from a dictionary
// as the ticket fields read them (only a value the type holds exactly; a refused read leaves the
// caller's variable alone).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "kit/dictionary_helpers.h"
#include "kit/ticket_access.h"

namespace {

TEST(DictionaryNumbers, AnIntegerIsReadOnlyWhenItIsOneExactly) {
  const platform::PlistDict d{{"whole", 3.0}, {"min", std::int64_t{-2147483647 - 1}}, {"half", 2.5},
                              {"big", std::int64_t{1} << 40}, {"huge", 1e300}, {"nan", std::nan("")},
                              {"flag", true}, {"text", "12"}};
  const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
      {"whole", 3}, {"min", -2147483647 - 1}, {"half", std::nullopt}, {"big", std::nullopt}, {"huge", std::nullopt},
      {"nan", std::nullopt}, {"flag", std::nullopt}, {"text", std::nullopt}, {"absent", std::nullopt}};
  for (const auto& [key, expected] : cases) {
    std::int32_t out = 17;
    const bool read = CFDictionaryGetNumber(&d, key, &out, kCFNumberSInt32Type);
    EXPECT_EQ(read ? std::optional<std::int32_t>(out) : std::nullopt, expected) << key;
    if (!read) {
      EXPECT_EQ(out, 17) << key;
    }
  }
}

TEST(TicketAccess, HandsOutTheSessionsTicketByNameAndLeavesTheCallersValueOtherwise) {
  platform::PrintSession session;
  platform::Ticket* ticket = nullptr;
  EXPECT_EQ(GetTicketFromSession(&session, platform::kPDE_PMPrintSettingsRef, &ticket), platform::noErr);
  ASSERT_EQ(ticket, session.ticket(platform::kPDE_PMPrintSettingsRef));
  ASSERT_NE(ticket, nullptr);

  // An absent ticket is no error.
  platform::Ticket mine;
  ticket = &mine;
  EXPECT_EQ(GetTicketFromSession(&session, "NoSuchTicket", &ticket), platform::noErr);
  EXPECT_EQ(ticket, &mine);
  EXPECT_EQ(GetTicketFromSession(nullptr, platform::kPDE_PMPrintSettingsRef, &ticket), platform::paramErr);
  EXPECT_EQ(ticket, &mine);
  EXPECT_EQ(GetTicketFromSession(&session, platform::kPDE_PMPrintSettingsRef, nullptr), platform::paramErr);
}

}  // namespace

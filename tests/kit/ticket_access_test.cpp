#include "kit/ticket_access.h"

#include <gtest/gtest.h>

namespace {

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

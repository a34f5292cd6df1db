#include "shell/ticket_access.h"

#include <gtest/gtest.h>

namespace {

TEST(TicketAccess, HandsOutTheSessionsTicketByName) {
  platform::PrintSession session;
  platform::Ticket* ticket = nullptr;
  EXPECT_EQ(GetTicketFromSession(&session, platform::kPDE_PMPrintSettingsRef, &ticket), platform::noErr);
  EXPECT_EQ(ticket, session.ticket(platform::kPDE_PMPrintSettingsRef));
  ASSERT_NE(ticket, nullptr);
  ticket->set("com.korvo.print.Test", 1, "K");
  EXPECT_TRUE(session.ticket(platform::kPDE_PMPrintSettingsRef)->contains("com.korvo.print.Test"));
}

TEST(TicketAccess, AnAbsentTicketIsNoErrorAndLeavesTheCallersValue) {
  platform::PrintSession session;
  platform::Ticket mine;
  platform::Ticket* ticket = &mine;
  EXPECT_EQ(GetTicketFromSession(&session, "NoSuchTicket", &ticket), platform::noErr);
  EXPECT_EQ(ticket, &mine);
}

TEST(TicketAccess, MissingArgumentsAreParameterErrors) {
  platform::PrintSession session;
  platform::Ticket* ticket = nullptr;
  EXPECT_EQ(GetTicketFromSession(nullptr, platform::kPDE_PMPrintSettingsRef, &ticket), platform::paramErr);
  EXPECT_EQ(ticket, nullptr);
  EXPECT_EQ(GetTicketFromSession(&session, platform::kPDE_PMPrintSettingsRef, nullptr), platform::paramErr);
}

}  // namespace

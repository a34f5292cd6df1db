#include <gtest/gtest.h>

#include "model/client_information_keys.h"
#include "shell/client_information.h"

namespace {

TEST(ComputerName, OnlyLatin1PrintableCharactersAreWritten) {
  EXPECT_TRUE(IsWritableComputerName("print-room-3"));
  EXPECT_TRUE(IsWritableComputerName("Salle d\xC3\xA9part"));   // é U+00E9
  EXPECT_TRUE(IsWritableComputerName("\xC3\xBE"));              // þ U+00FE, the last allowed
  EXPECT_FALSE(IsWritableComputerName("\xC3\xBF"));             // ÿ U+00FF
  EXPECT_FALSE(IsWritableComputerName("\xE5\x8D\xB0\xE5\x88\xB7"));  // 印刷
  EXPECT_FALSE(IsWritableComputerName("tab\there"));
  EXPECT_FALSE(IsWritableComputerName("\xC3"));                 // cut sequence
  EXPECT_FALSE(IsWritableComputerName("\xC1\x81"));             // overlong 'A'
}

TEST(ClientInformation, MissingFactsRemoveStaleEntries) {
  platform::Ticket ticket;
  WriteClientInformation(ticket, ClientFacts{"anna", "press-1", "192.0.2.7"});
  EXPECT_EQ(*ticket.getString(kClientUserNameKey), "anna");
  EXPECT_EQ(*ticket.getString(kClientComputerNameKey), "press-1");
  EXPECT_EQ(*ticket.getString(kClientIPAddressKey), "192.0.2.7");

  WriteClientInformation(ticket, ClientFacts{std::nullopt, "\xE5\x8D\xB0", std::nullopt});
  EXPECT_FALSE(ticket.contains(kClientUserNameKey));
  EXPECT_FALSE(ticket.contains(kClientComputerNameKey));
  EXPECT_FALSE(ticket.contains(kClientIPAddressKey));
  EXPECT_EQ(*ticket.getString(kControllerFamilyKey), "Prexan");
}

}  // namespace

// Tickets, print sessions and their files, and the printer-info ticket filled from a printer
// description's main keywords.
#include <gtest/gtest.h>

#include "platform/plist/xml_plist.h"
#include "platform/ticket/print_session.h"
#include "platform/ticket/printer_info.h"
#include "support/test_support.h"

namespace {

using platform::PlistDict;
using platform::PlistValue;
using platform::Ticket;

// The plist form coming back whole is the session file's round trip below.
TEST(Ticket, APlistFormOfTheWrongKindsIsRefused) {
  EXPECT_FALSE(Ticket::fromPlist(PlistValue(3)));
  EXPECT_FALSE(Ticket::fromPlist(PlistDict{{"Items", "not a dictionary"}}));
  EXPECT_FALSE(Ticket::fromPlist(PlistDict{{"Items", PlistDict{{"k", 1}}}, {"Clients", PlistDict{{"k", 2}}}}));
  EXPECT_FALSE(Ticket::fromPlist(PlistDict{{"SubTickets", PlistDict{{"s", 1}}}}));
}

// What plistlib makes of a session file (and a key it adds) is korvo-pde show's; the values of
// every kind are the property lists' own (xml_plist_interop_test).
TEST(PrintSession, TheSessionFileKeepsThePrinterAndTheTickets) {
  korvo_test::TempDir dir;
  platform::PrintSession s;
  s.printer() = {"Press 1", "ipp://press1.example/ipp/print", "/tmp/press1.ppd"};
  s.ticket(platform::kPDE_PMPrintSettingsRef)->set("com.korvo.print.Logo", platform::PlistData{0, 1, 254, 255}, "K");
  std::string error;
  ASSERT_TRUE(s.save(dir.file("session.plist"), &error)) << error;
  auto loaded = platform::PrintSession::load(dir.file("session.plist"));
  ASSERT_TRUE(loaded) << loaded.error();
  EXPECT_TRUE(*loaded == s);
}

TEST(PrintSession, MalformedSessionFilesAreRefusedWithTheFileNamed) {
  korvo_test::TempDir dir;
  std::string path = dir.file("bad.plist");
  ASSERT_TRUE(platform::WriteXMLPlistFile(path, PlistDict{{"Printer", "not a dictionary"}}));
  auto loaded = platform::PrintSession::load(path);
  ASSERT_FALSE(loaded);
  EXPECT_NE(loaded.error().find("bad.plist"), std::string::npos);
  EXPECT_NE(loaded.error().find("Printer"), std::string::npos);
  EXPECT_FALSE(platform::PrintSession::load(dir.file("missing.plist")));
}

TEST(PrinterInfoTicket, NamesComeFromTheMainKeywordsAndFollowThePrinter) {
  korvo_test::TempDir dir;
  // CRLF lines, a Latin-1 name, a translation string and no nickname.
  const std::string first = dir.file("first.ppd");
  korvo_test::WriteFile(first, "*PPD-Adobe: \"4.3\"\r\n*Manufacturer: \"K\xf6rvo\"\r\n*ModelName: \"K\xf6rvo KP9\"\r\n"
                               "*ModelNameX/Other: \"not this\"\r\n");
  auto names = platform::ReadPrinterDescriptionNames(first);
  ASSERT_TRUE(names) << names.error();
  platform::Ticket info;
  platform::FillPrinterInfoTicket(*names, info);
  ASSERT_NE(info.getString(platform::kPMMakeAndModelNameKey), nullptr);
  EXPECT_EQ(*info.getString(platform::kPMMakeAndModelNameKey), "K\u00f6rvo KP9");
  EXPECT_EQ(*info.getString(platform::kPMManufacturerKey), "K\u00f6rvo");
  EXPECT_EQ(*info.clientOf(platform::kPMManufacturerKey), platform::kPrintSystemClient);

  // The nickname wins over the model name; a printer without a manufacturer leaves none behind.
  const std::string second = dir.file("second.ppd");
  korvo_test::WriteFile(second, "*ModelName: \"Model\"\n*NickName: \"Make Model PS\"\n");
  names = platform::ReadPrinterDescriptionNames(second);
  ASSERT_TRUE(names);
  platform::FillPrinterInfoTicket(*names, info);
  EXPECT_EQ(*info.getString(platform::kPMMakeAndModelNameKey), "Make Model PS");
  EXPECT_FALSE(info.contains(platform::kPMManufacturerKey));

  EXPECT_FALSE(platform::ReadPrinterDescriptionNames(dir.file("missing.ppd")));
}

}  // namespace

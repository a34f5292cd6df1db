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

TEST(PrintSession, SessionFileRoundTripsThroughPythonPlistlib) {
  korvo_test::TempDir dir;
  platform::PrintSession s;
  s.printer() = {"Press 1", "ipp://press1.example/ipp/print", "/tmp/press1.ppd"};
  platform::Ticket& settings = *s.ticket(platform::kPDE_PMPrintSettingsRef);
  settings.set("com.korvo.print.JobLevelStock", PlistDict{{"Weight", 90}, {"Name", "Bond \xC3\xA9t\xC3\xA9 & <more>"}}, "K");
  settings.set("com.korvo.print.Gutter", 12.25, "K");
  settings.set("com.korvo.print.Sentinel", static_cast<std::int64_t>(-2147483648LL), "K");
  settings.set("com.korvo.print.Logo", platform::PlistData{0, 1, 254, 255}, "K");
  settings.set("com.korvo.print.When", platform::PlistDate{1765000000}, "K");
  std::string path = dir.file("session.plist");
  std::string error;
  ASSERT_TRUE(s.save(path, &error)) << error;

  // Python reads our file, changes one value and writes it back in its own style.
  std::string out;
  ASSERT_EQ(korvo_test::RunCommand(
                "python3 -c 'import plistlib,sys; p=sys.argv[1]; s=plistlib.load(open(p,\"rb\")); "
                "i=s[\"PMPrintSettingsTicket\"][\"Items\"]; "
                "print(i[\"com.korvo.print.JobLevelStock\"][\"Name\"], i[\"com.korvo.print.Gutter\"], "
                "i[\"com.korvo.print.Sentinel\"], i[\"com.korvo.print.Logo\"].hex(), i[\"com.korvo.print.When\"].isoformat(), "
                "s[\"Printer\"][\"DeviceURI\"]); "
                "i[\"com.korvo.print.Gutter\"]=3.5; plistlib.dump(s, open(p,\"wb\"), sort_keys=False)' " + path,
                &out, true),
            0)
      << out;
  EXPECT_EQ(out, "Bond \xC3\xA9t\xC3\xA9 & <more> 12.25 -2147483648 0001feff 2025-12-06T05:46:40 "
                 "ipp://press1.example/ipp/print\n");

  auto loaded = platform::PrintSession::load(path);
  ASSERT_TRUE(loaded) << loaded.error();
  EXPECT_EQ(loaded->printer(), s.printer());
  settings.set("com.korvo.print.Gutter", 3.5, "K");
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

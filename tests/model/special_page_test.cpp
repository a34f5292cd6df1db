// Dictionary forms of the special pages, and where they live in the ticket.
#include <gtest/gtest.h>

#include "model/special_pages_ticket.h"
#include "platform/ticket/print_session.h"
#include "support/test_support.h"

namespace {

using platform::PlistDict;
using platform::PlistValue;

TEST(SpecialPage, ExceptionRangeWritesOnlyWhatIsSet) {
  ExceptionPage page;
  page.setStartPage(2);
  page.setEndPage(4);
  PlistDict dict = page.asTicket();
  EXPECT_FALSE(dict.contains("com.korvo.print.ImageShiftOptionsPage"));
  EXPECT_FALSE(dict.contains("SidesImaged"));
  EXPECT_EQ(dict.at("FullColorOptionsPage"), PlistValue(PlistDict{}));

  page.setPlex(2);
  page.imageShift().valid = true;
  page.imageShift().option = kImageShiftTandemBoth;
  page.imageShift().x1 = 10;
  page.setLightenDarken(-1);
  page.setHalftoneScreen(14);
  dict = page.asTicket();
  EXPECT_EQ(dict.at("SidesImaged"), PlistValue(2));
  EXPECT_EQ(dict.at("LightenDarken"), PlistValue(-1));
  ExceptionPage back(dict);
  EXPECT_EQ(back.plex(), 2);
  EXPECT_EQ(back.imageShift(), page.imageShift());
  EXPECT_EQ(back.lightenDarken(), -1);
  EXPECT_EQ(back.halftoneScreen(), 14);
}

// A screen the printer has no word for (48) is ignored; one the menu lacks but the printer names
// (9, "300-lpi") is kept, and so is any darkness step.
TEST(SpecialPage, ValuesNoMenuHoldsAreIgnored) {
  PlistDict dict{{"StartPage", 1},     {"EndPage", 2},     {"SidesImaged", 9},  {"HalftoneScreen", 48},
                 {"LightenDarken", 6}, {"Antialiasing", "on"}, {"OutputColor", 2}};
  ExceptionPage page(dict);
  EXPECT_EQ(page.plex(), kPrinterDefault);
  EXPECT_EQ(page.halftoneScreen(), kPrinterDefault);
  EXPECT_EQ(page.lightenDarken(), kPrinterDefault);  // -5 to 5 only
  EXPECT_EQ(ExceptionPage(PlistDict{{"StartPage", 1}, {"EndPage", 2}, {"LightenDarken", -5}}).lightenDarken(), -5);
  EXPECT_EQ(ExceptionPage(PlistDict{{"StartPage", 1}, {"EndPage", 2}, {"HalftoneScreen", 9}}).halftoneScreen(), 9);
  EXPECT_EQ(page.antialiasing(), kPrinterDefault);
  EXPECT_EQ(page.outputColor(), 2);
  EXPECT_EQ(Insert(PlistDict{{"Quantity", 0}}).quantity(), 1);
  EXPECT_EQ(Cover(PlistDict{{"SidesImaged", 5}}).sidesImaged(), 1);
  EXPECT_EQ(ExceptionPageFromTicket(PlistDict{{"StartPage", 5}}), nullptr);  // no end: 5-0
  EXPECT_EQ(ExceptionPageFromTicket(PlistDict{{"StartPage", -2}, {"EndPage", 3}}), nullptr);
}

TEST(SpecialPage, AllPagesSurviveTheSessionFileAndPlistlib) {
  korvo_test::TempDir dir;
  platform::PrintSession session;
  SpecialPages pages;
  pages.frontCover.emplace();
  pages.frontCover->setSidesImaged(4);  // the last the reader takes
  Insert insert;
  insert.setStartPage(7);
  insert.setQuantity(3);
  insert.stock().setColor(2);
  pages.inserts.add({&insert});
  ExceptionPage range;
  range.setStartPage(3);
  range.setEndPage(5);
  range.colorOptions().setRGBImagesProfile(kCustomRGBProfileIndex, "Studio");
  pages.exceptions.add({&range});
  platform::Ticket& ticket = *session.ticket(platform::kPDE_PMPrintSettingsRef);
  WriteSpecialPages(ticket, pages);
  EXPECT_FALSE(ticket.contains(kBackCoverKey));
  EXPECT_EQ(*ticket.clientOf(kInsertListKey), "com.korvo.print");
  ASSERT_TRUE(session.save(dir.file("s.plist")));

  std::string out;
  ASSERT_EQ(korvo_test::RunCommand(
                "python3 -c 'import plistlib,sys; i=plistlib.load(open(sys.argv[1],\"rb\"))[\"PMPrintSettingsTicket\"][\"Items\"]; "
                "e=i[\"com.korvo.print.SpecialPages.ExceptionList\"][0]; "
                "print(i[\"com.korvo.print.SpecialPages.InsertList\"][0][\"Quantity\"], e[\"EndPage\"], "
                "e[\"FullColorOptionsPage\"][\"RGBImagesProfile\"])' " + dir.file("s.plist"),
                &out, true),
            0)
      << out;
  EXPECT_EQ(out, "3 5 Studio\n");

  auto loaded = platform::PrintSession::load(dir.file("s.plist"));
  ASSERT_TRUE(loaded) << loaded.error();
  SpecialPages back = ReadSpecialPages(*loaded->ticket(platform::kPDE_PMPrintSettingsRef));
  ASSERT_TRUE(back.frontCover);
  EXPECT_TRUE(*back.frontCover == *pages.frontCover);
  EXPECT_FALSE(back.backCover);
  ASSERT_EQ(back.inserts.count(), 1);
  EXPECT_EQ(back.inserts.pageAtIndex(0)->stock(), insert.stock());
  ASSERT_EQ(back.exceptions.count(), 1);
  EXPECT_EQ(back.exceptions.pageAtIndex(0)->colorOptions(), range.colorOptions());

  pages.inserts.clear();
  WriteSpecialPages(ticket, pages);
  EXPECT_FALSE(ticket.contains(kInsertListKey));  // an emptied list removes its key
}

}  // namespace

// The job's stock through the session file, checked by Python's plistlib in both directions.
#include <gtest/gtest.h>

#include <string>

#include "model/job_level_stock.h"
#include "model/stock.h"
#include "model/stock_test_support.h"
#include "platform/ticket/print_session.h"
#include "support/test_support.h"

namespace {

std::string RunScript(const std::string& arguments, int* status) {
  std::string output;
  *status = korvo_test::RunCommand(
      "python3 '" + korvo_test::DataPath("model/stock_session.py") + "' " + arguments, &output, true);
  return output;
}

TEST(StockSession, PlistlibReadsTheStockWeSaved) {
  korvo_test::TempDir dir;
  platform::PrintSession session;
  WriteJobLevelStock(*session.ticket(platform::kPDE_PMPrintSettingsRef), stock_test::EveryFieldSet(), "KORVO");
  ASSERT_TRUE(session.save(dir.file("session.plist")));

  int status = -1;
  const std::string output = RunScript("dump '" + dir.file("session.plist") + "'", &status);
  ASSERT_EQ(status, 0) << output;
  EXPECT_EQ(output,
            "Color int 10\n"
            "CustomColor string Sea Green\n"
            "CustomComment string keep dry\n"
            "CustomName string Dividers 5-set\n"
            "CustomNameOnly bool true\n"
            "CustomType string Ordered Dividers\n"
            "Description string Heavy card, Grüße\n"
            "Finish int 3\n"
            "Length int 30000\n"
            "Modulus int 5\n"
            "Punched int 2\n"
            "SidesCoated int 2\n"
            "Size int 75\n"
            "Source int 3\n"
            "Type int 6\n"
            "Weight int 163\n"
            "Width int 20000\n"
            "kCoatingType int 4\n"
            "kGrain int 2\n"
            "client KORVO\n");
}

TEST(StockSession, SavedAndLoadedSessionGivesTheSameStock) {
  korvo_test::TempDir dir;
  platform::PrintSession session;
  const Stock original = stock_test::EveryFieldSet();
  WriteJobLevelStock(*session.ticket(platform::kPDE_PMPrintSettingsRef), original, "K");
  ASSERT_TRUE(session.save(dir.file("session.plist")));
  auto loaded = platform::PrintSession::load(dir.file("session.plist"));
  ASSERT_TRUE(loaded) << loaded.error();
  const Stock back = ReadJobLevelStock(*loaded->ticket(platform::kPDE_PMPrintSettingsRef));
  EXPECT_EQ(back.asTicket(), original.asTicket());
}

TEST(StockSession, WeReadTheStockPlistlibWrote) {
  korvo_test::TempDir dir;
  int status = -1;
  const std::string output = RunScript("write '" + dir.file("session.plist") + "'", &status);
  ASSERT_EQ(status, 0) << output;
  auto loaded = platform::PrintSession::load(dir.file("session.plist"));
  ASSERT_TRUE(loaded) << loaded.error();
  const Stock s = ReadJobLevelStock(*loaded->ticket(platform::kPDE_PMPrintSettingsRef));
  EXPECT_EQ(s.size(), 75);
  EXPECT_EQ(s.width(), 22900);
  EXPECT_EQ(s.length(), 30500);
  EXPECT_EQ(s.type(), 4);
  EXPECT_EQ(s.modulus(), 5);
  EXPECT_EQ(s.color(), 10);
  EXPECT_EQ(s.customColor(), "Lachs");
  EXPECT_EQ(s.weight(), 120);  // written as the real 120.0
  EXPECT_EQ(s.punched(), 2);
  EXPECT_EQ(s.description(), "Trennblätter, 5 Lagen");
  EXPECT_EQ(s.sidesCoated(), 3);
  EXPECT_EQ(s.coatingType(), 5);
  EXPECT_EQ(s.finish(), 1);
  EXPECT_EQ(s.grain(), 2);
  EXPECT_EQ(s.customName(), "Register A–E");
  EXPECT_TRUE(s.customNameOnly());
  EXPECT_EQ(s.comment(), "from plistlib");
  EXPECT_EQ(s.source(), 10);
  EXPECT_TRUE(s.customType().empty());
}

}  // namespace

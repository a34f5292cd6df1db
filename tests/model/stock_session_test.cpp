// The job's stock through the session file, checked by Python's plistlib in both directions.
#include <gtest/gtest.h>

#include <string>

#include "model/job_level_stock.h"
#include "model/stock.h"
#include "model/stock_test_support.h"
#include "platform/ticket/print_session.h"
#include "support/test_support.h"

namespace {

// What the plistlib script answers to arguments (a test failure when it fails).
std::string Plistlib(const std::string& arguments) {
  std::string output;
  EXPECT_EQ(korvo_test::RunCommand("python3 '" + korvo_test::DataPath("model/stock_session.py") + "' " + arguments,
                                   &output, true),
            0)
      << output;
  return output;
}

TEST(StockSession, PlistlibAndWeReadTheStockWeSaved) {
  korvo_test::TempDir dir;
  platform::PrintSession session;
  WriteJobLevelStock(*session.ticket(platform::kPDE_PMPrintSettingsRef), stock_test::EveryFieldSet(), "KORVO");
  ASSERT_TRUE(session.save(dir.file("session.plist")));

  EXPECT_EQ(Plistlib("dump '" + dir.file("session.plist") + "'"),
            korvo_test::ReadFile(korvo_test::DataPath("model/stock_session.dump")));

  // And we read back what we saved.
  auto loaded = platform::PrintSession::load(dir.file("session.plist"));
  ASSERT_TRUE(loaded) << loaded.error();
  const Stock back = ReadJobLevelStock(*loaded->ticket(platform::kPDE_PMPrintSettingsRef));
  EXPECT_EQ(back.asTicket(), stock_test::EveryFieldSet().asTicket());
}

TEST(StockSession, WeReadTheStockPlistlibWrote) {
  korvo_test::TempDir dir;
  Plistlib("write '" + dir.file("session.plist") + "'");
  auto loaded = platform::PrintSession::load(dir.file("session.plist"));
  ASSERT_TRUE(loaded) << loaded.error();
  const Stock s = ReadJobLevelStock(*loaded->ticket(platform::kPDE_PMPrintSettingsRef));
  EXPECT_EQ(s.asTicket(), (platform::PlistDict{
                              {"Size", 75}, {"Width", 22900}, {"Length", 30500}, {"Type", 4}, {"Modulus", 5},
                              {"Color", 10}, {"CustomColor", "Lachs"},
                              {"Weight", 120},  // written as the real 120.0
                              {"Punched", 2}, {"Description", "Trennblätter, 5 Lagen"}, {"SidesCoated", 3},
                              {"kCoatingType", 5}, {"Finish", 1}, {"kGrain", 2}, {"CustomName", "Register A–E"},
                              {"CustomNameOnly", true}, {"CustomComment", "from plistlib"}, {"Source", 10}}));
}

}  // namespace

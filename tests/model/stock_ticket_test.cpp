// The stock's dictionary, and the job's stock in the ticket and the session file.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "model/job_level_stock.h"
#include "model/stock.h"
#include "model/stock_test_support.h"
#include "platform/ticket/print_session.h"
#include "support/test_support.h"

namespace {

using platform::PlistArray;
using platform::PlistDict;
using platform::PlistValue;

// Every field under its key and kind is checked through plistlib in StockSession below.
TEST(StockTicket, OnlyWhatIsSetIsWrittenAndTheTypeAlways) {
  EXPECT_EQ(Stock().asTicket(), (PlistDict{{"Type", PlistValue(std::int64_t{-2147483648})}}));
  // A named size writes no dimensions, an uncoated stock no coating type.
  Stock s;
  s.setSize(4);
  s.setCoatingType(3);
  s.setCustomNameOnly(false);
  EXPECT_EQ(s.asTicket(), (PlistDict{{"Size", 4}, {"Type", kPrinterDefault}}));
}

// A named size beside dimensions, a custom size without them: read as written (and a yellow
// transparency too, in StockCopy).
TEST(StockTicket, ReaderKeepsTheCouplingsOut) {
  const PlistDict sized{{"Size", 4}, {"Width", 21000}, {"Length", 29700}}, custom{{"Size", 75}};
  for (const auto& [dict, size] : {std::pair{&sized, 4}, std::pair{&custom, 75}}) {
    const Stock s(dict);
    EXPECT_EQ(std::vector({s.size(), s.width(), s.length()}), std::vector({size, kPrinterDefault, kPrinterDefault}));
  }
}

TEST(StockTicket, ModulusOnlyBesideTabsAndOrderedStocksCoatingTypeOnlyBesideSidesCoated) {
  for (auto [type, expected] : {std::pair{54, kPrinterDefault}, std::pair{52, kPrinterDefault},
                                std::pair{1, kPrinterDefault}, std::pair{6, 5}, std::pair{4, 5}}) {
    const PlistDict d{{"Type", type}, {"Modulus", 5}};
    EXPECT_EQ(Stock(&d).modulus(), expected) << type;
  }
  // The type as read so far: a stock that is already ordered takes a modulus alone.
  Stock ordered;
  ordered.setType(6);
  const PlistDict modulusOnly{{"Modulus", 7}};
  ordered.fromTicket(&modulusOnly);
  EXPECT_EQ(ordered.modulus(), 7);

  // The coating type needs sides coated.
  const PlistDict alone{{"kCoatingType", 5}}, both{{"SidesCoated", 3}, {"kCoatingType", 5}},
      badSides{{"SidesCoated", "3"}, {"kCoatingType", 5}};
  EXPECT_EQ(std::vector({Stock(&alone).coatingType(), Stock(&both).coatingType(), Stock(&badSides).coatingType()}),
            std::vector({1, 5, 1}));
}

// Every kind of wrong value, under every integer key, or no key at all: the field keeps its value
// and no other field moves.
TEST(StockTicket, WrongValuesLeaveTheFieldAlone) {
  const PlistValue wrong[] = {PlistValue("12"), PlistValue(2.5), PlistValue(true),
                              PlistValue(std::int64_t{1} << 32), PlistValue(std::int64_t{-2147483649}),
                              PlistValue(4294967296.0), PlistValue(std::nan("")), PlistValue(PlistDict{}),
                              PlistValue(PlistArray{})};
  const char* integerKeys[] = {"Size", "Type", "Color", "Weight", "Punched", "SidesCoated", "Finish",
                               "kGrain", "Source"};
  const Stock base = stock_test::EveryFieldSet();
  Stock absent = base;
  const PlistDict empty;
  absent.fromTicket(&empty);
  absent.fromTicket(nullptr);
  EXPECT_TRUE(absent == base);
  EXPECT_EQ(Stock(nullptr).asTicket(), Stock().asTicket());
  for (const char* key : integerKeys) {
    for (const PlistValue& value : wrong) {
      Stock s = base;
      const PlistDict d{{key, value}};
      s.fromTicket(&d);
      EXPECT_EQ(s.asTicket(), base.asTicket()) << key << " holding kind " << PlistKindName(value.kind());
    }
  }
  // Dependent keys too: a custom size with a bad width keeps the width, takes the length.
  Stock s = base;
  const PlistDict d{{"Size", 75}, {"Width", "wide"}, {"Length", 2.0e10}, {"Modulus", 1.5}};
  s.fromTicket(&d);
  EXPECT_EQ(s.width(), 20000);
  EXPECT_EQ(s.length(), 30000);
  EXPECT_EQ(s.modulus(), 5);

  // Wrong kinds for the texts and the flag leave them alone.
  s = base;
  const PlistDict texts{{"CustomType", 7}, {"CustomColor", true}, {"Description", PlistDict{}},
                        {"CustomName", PlistArray{}}, {"CustomComment", 1.0}, {"CustomNameOnly", 0}};
  s.fromTicket(&texts);
  EXPECT_EQ(s.asTicket(), base.asTicket());
  const PlistDict no{{"CustomNameOnly", false}};
  s.fromTicket(&no);
  EXPECT_FALSE(s.customNameOnly());
}

// Read over a stock with every field set, where a refused read would show.
TEST(StockTicket, WholeRealsAndBoundaryIntegersAreTaken) {
  const PlistDict d{{"Weight", 120.0}, {"Finish", std::numeric_limits<std::int32_t>::max()},
                    {"Size", -2147483648.0}, {"Color", std::numeric_limits<std::int32_t>::min()}, {"Source", -0.0}};
  Stock s = stock_test::EveryFieldSet();
  s.fromTicket(&d);
  EXPECT_EQ(s.weight(), 120);
  EXPECT_EQ(s.finish(), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(std::pair(s.size(), s.color()), std::pair(kPrinterDefault, kPrinterDefault));
  EXPECT_EQ(s.source(), 0);
}

// The job's stock written and read back is checked through the session file in StockSession below.
TEST(StockTicket, AJobLevelStockOfTheWrongKindOrNoneReadsAsTheDefault) {
  platform::Ticket ticket;
  EXPECT_TRUE(ReadJobLevelStock(ticket) == Stock());
  ticket.set(kJobLevelStockKey, "not a dictionary", "K");
  EXPECT_TRUE(ReadJobLevelStock(ticket) == Stock());
}

// The job's stock through the session file, checked by Python's plistlib in both directions.
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

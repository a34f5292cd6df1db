// Library entries: their dictionary and the status their stock earns.
#include <gtest/gtest.h>

#include "stocklibrary/stock_library_entry.h"
#include "stocklibrary/stock_library_keys.h"

namespace {

StockLibrary EntryWith(const Stock& stock, std::int32_t fileStatus) {
  StockLibrary entry;
  entry.setStock(stock);
  entry.setStatus(fileStatus);
  return StockLibrary(entry.asTicket());
}

// Weights from 60 to 300 g/m2 are supported; an in-use mark survives only on a supported stock.
TEST(StockLibraryEntry, StatusFollowsTheStock) {
  struct Case {
    void (*set)(Stock&);
    std::int32_t fileStatus, status;
  };
  const Case cases[] = {
      {[](Stock& s) { s.setType(6); }, kStockEntryInUse, kStockEntryUnsupportedValues},
      {[](Stock& s) { s.setType(1); }, kStockEntryInUse, kStockEntryInUse},
      {[](Stock& s) { s.setWeight(75); }, 0, 0},
      {[](Stock& s) { s.setWeight(60); }, 0, 0},
      {[](Stock& s) { s.setWeight(300); }, 0, 0},
      {[](Stock& s) { s.setWeight(90); }, 0, 0},
      {[](Stock& s) { s.setWeight(59); }, 0, kStockEntryUnsupportedValues},
      {[](Stock& s) { s.setWeight(301); }, 0, kStockEntryUnsupportedValues},
      {[](Stock& s) { s.setFinish(4); }, 0, kStockEntryUnsupportedValues},  // semi-rough
      {[](Stock& s) { s.setGrain(1); }, 0, kStockEntryUnsupportedAttributes},
      {[](Stock& s) { s.setGrain(7); }, 0, kStockEntryUnsupportedValues},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    Stock stock;
    cases[i].set(stock);
    EXPECT_EQ(EntryWith(stock, cases[i].fileStatus).status(), cases[i].status) << "case " << i;
  }
}

// A fresh entry writes no name or UUID; a malformed entry dictionary gives the defaults.
TEST(StockLibraryEntry, AMalformedEntryDictionaryGivesDefaults) {
  EXPECT_EQ(StockLibrary().asTicket().size(), 2u);
  platform::PlistDict d;
  d[kEntryStockKey] = "not a dictionary";
  d[kEntryStatusKey] = std::int64_t{1} << 40;
  d[kEntryUUIDKey] = 5;
  StockLibrary entry(d);
  EXPECT_EQ(entry.status(), 0);
  EXPECT_EQ(entry.uuid(), "");
  EXPECT_TRUE(entry.stock() == Stock());
}

TEST(StockLibraryEntry, RepairDropsWhatTheEditorsCannotShowAndTheName) {
  Stock s;
  s.setType(6);
  s.setGrain(1);
  s.setWeight(80);
  s.setCustomName("Heavy");
  s.setCustomNameOnly(true);
  EXPECT_TRUE(RepairLibraryStock(s));
  EXPECT_EQ(s.type(), kPrinterDefault);
  EXPECT_EQ(s.grain(), 1);
  EXPECT_EQ(s.weight(), 80);
  EXPECT_EQ(s.customName(), "");
  EXPECT_FALSE(s.customNameOnly());

  Stock fine;
  fine.setCustomName("Fine");
  EXPECT_FALSE(RepairLibraryStock(fine));
  EXPECT_EQ(fine.customName(), "Fine");
}

}  // namespace

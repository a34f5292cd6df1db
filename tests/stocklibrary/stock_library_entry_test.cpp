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

TEST(StockLibraryEntry, WritesOnlyStatusAndStockWithoutNameAndUUID) {
  StockLibrary entry;
  platform::PlistDict d = entry.asTicket();
  EXPECT_EQ(d.size(), 2u);
  EXPECT_TRUE(d.contains(kEntryStatusKey));
  EXPECT_TRUE(d.contains(kEntryStockKey));
  entry.setUUID("U");
  entry.setName("Card");
  d = entry.asTicket();
  EXPECT_EQ(*d[kEntryUUIDKey].asString(), "U");
  EXPECT_EQ(*d[kEntryNameKey].asString(), "Card");
  StockLibrary back(d);
  EXPECT_EQ(back.uuid(), "U");
  EXPECT_EQ(back.name(), "Card");
}

TEST(StockLibraryEntry, StatusFollowsTheStock) {
  Stock ordered;
  ordered.setType(6);
  EXPECT_EQ(EntryWith(ordered, kStockEntryInUse).status(), kStockEntryUnsupportedValues);

  Stock plain;
  plain.setType(1);
  EXPECT_EQ(EntryWith(plain, kStockEntryInUse).status(), kStockEntryInUse);  // the mark survives

  for (std::int32_t weight : {75, 60, 300, 90}) {
    Stock s;
    s.setWeight(weight);
    EXPECT_EQ(EntryWith(s, 0).status(), 0) << weight;
  }
  for (std::int32_t weight : {59, 301}) {
    Stock s;
    s.setWeight(weight);
    EXPECT_EQ(EntryWith(s, 0).status(), kStockEntryUnsupportedValues) << weight;
  }
  Stock semiRough;
  semiRough.setFinish(4);
  EXPECT_EQ(EntryWith(semiRough, 0).status(), kStockEntryUnsupportedValues);
  Stock grained;
  grained.setGrain(1);
  EXPECT_EQ(EntryWith(grained, 0).status(), kStockEntryUnsupportedAttributes);
  Stock badGrain;
  badGrain.setGrain(7);
  EXPECT_EQ(EntryWith(badGrain, 0).status(), kStockEntryUnsupportedValues);
}

TEST(StockLibraryEntry, AMalformedEntryDictionaryGivesDefaults) {
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

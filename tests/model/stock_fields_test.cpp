#include <gtest/gtest.h>

#include "model/stock.h"
#include "model/stock_test_support.h"

namespace {

// A new stock's defaults are pinned by what it writes to the ticket (stock_ticket_test).
TEST(StockFields, AWidthOrLengthMakesTheSizeCustomAndANamedSizeForgetsThem) {
  Stock s;
  s.setSize(4);
  s.setWidth(21000);
  EXPECT_EQ(s.size(), 75);
  EXPECT_EQ(s.width(), 21000);
  s.setSize(4);
  s.setLength(29700);
  EXPECT_EQ(s.size(), 75);
  // Clearing a dimension says nothing about the size.
  s.setSize(5);
  s.setWidth(kPrinterDefault);
  EXPECT_EQ(s.size(), 5);

  // A named size forgets the custom dimensions.
  s.setWidth(20000);
  s.setLength(30000);
  s.setSize(75);
  EXPECT_EQ(s.width(), 20000);
  EXPECT_EQ(s.length(), 30000);
  s.setSize(4);
  EXPECT_EQ(s.width(), kPrinterDefault);
  EXPECT_EQ(s.length(), kPrinterDefault);
}

TEST(StockFields, ATransparencyIsClear) {
  Stock s;
  s.setColor(3);
  s.setType(2);
  EXPECT_EQ(s.color(), 6);
  s.setColor(3);  // the colour setter itself keeps no rule
  EXPECT_EQ(s.color(), 3);
  s.setType(1);
  EXPECT_EQ(s.color(), 3);
}

TEST(StockFields, DefaultStockDependsOnTheContext) {
  for (JobContext context : {kJobContextJob, kJobContextCover, kJobContextInsert, kJobContextException}) {
    Stock s = stock_test::EveryFieldSet();
    DefaultStock(s, context);
    EXPECT_EQ(s.punched(), context == kJobContextJob ? 1 : kPrinterDefault) << context;
    for (std::int32_t v : {s.size(), s.width(), s.length(), s.type(), s.color(), s.modulus(), s.weight(),
                           s.sidesCoated()}) {
      EXPECT_EQ(v, kPrinterDefault) << context;
    }
    EXPECT_TRUE(s.customType().empty() && s.customColor().empty() && s.description().empty() &&
                s.customName().empty());
    EXPECT_FALSE(s.customNameOnly());
    // Left alone: coating type, finish, grain, comment and source.
    EXPECT_EQ(s.coatingType(), 4);
    EXPECT_EQ(s.finish(), 3);
    EXPECT_EQ(s.grain(), 2);
    EXPECT_EQ(s.comment(), "keep dry");
    EXPECT_EQ(s.source(), 3);
  }
}

}  // namespace

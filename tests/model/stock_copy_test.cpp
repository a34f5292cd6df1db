#include <gtest/gtest.h>

#include "model/stock.h"
#include "model/stock_test_support.h"

namespace {

using platform::PlistDict;

// A stock whose couplings a ticket read broke: size 4 beside a custom width, and a
// transparency that is yellow.
Stock BrokenStock() {
  Stock s;
  s.setWidth(21000);
  s.setLength(29700);
  const PlistDict dict{{"Size", 4}, {"Type", 2}, {"Color", 3}};
  s.fromTicket(&dict);
  return s;
}

TEST(StockCopy, CopyConstructionKeepsEveryFieldAsItIs) {
  const Stock broken = BrokenStock();
  const Stock copy(broken);
  EXPECT_EQ(std::vector({copy.size(), copy.width(), copy.length(), copy.type(), copy.color()}),
            std::vector({4, 21000, 29700, 2, 3}));
  EXPECT_EQ(copy.asTicket(), broken.asTicket());
}

TEST(StockCopy, AssignmentRestoresTheCouplingsButSelfAssignmentChangesNothing) {
  const Stock broken = BrokenStock();
  Stock target;
  target = broken;
  // The size is copied first (clearing the dimensions), then the width makes it custom again.
  EXPECT_EQ(target.size(), 75);
  EXPECT_EQ(target.width(), 21000);
  EXPECT_EQ(target.length(), 29700);
  // The colour is copied before the type, so the transparency ends up clear.
  EXPECT_EQ(target.type(), 2);
  EXPECT_EQ(target.color(), 6);
  EXPECT_FALSE(target == broken);

  // Self-assignment changes nothing.
  Stock self = BrokenStock();
  Stock& same = self;
  self = same;
  EXPECT_EQ(self.asTicket(), broken.asTicket());
  EXPECT_EQ(self.color(), 3);
}

TEST(StockCopy, AssignmentCopiesAWellFormedStockWholeAndDropsStaleDimensions) {
  const Stock full = stock_test::EveryFieldSet();
  Stock target;
  target = full;
  EXPECT_EQ(target.asTicket(), full.asTicket());
  EXPECT_TRUE(target == full);

  Stock a4;
  a4.setSize(4);
  target = a4;
  EXPECT_EQ(target.size(), 4);
  EXPECT_EQ(target.width(), kPrinterDefault);
  EXPECT_EQ(target.length(), kPrinterDefault);
}

TEST(StockCopy, CloneIsAnIndependentEqualCopy) {
  Stock original = stock_test::EveryFieldSet();
  std::unique_ptr<Stock> copy = original.clone();
  ASSERT_NE(copy, nullptr);
  EXPECT_TRUE(*copy == original);
  copy->setDescription("changed");
  copy->setWeight(90);
  EXPECT_EQ(original.description(), "Heavy card, Grüße");
  EXPECT_EQ(original.weight(), 163);
  original.setCustomName("other");
  EXPECT_EQ(copy->customName(), "Dividers 5-set");
}

TEST(StockEquality, TextsCompareIgnoringCase) {
  Stock a = stock_test::EveryFieldSet();
  Stock b = a;
  b.setDescription("HEAVY CARD, GRÜSSE");  // sharp s does not fold to "SS"
  EXPECT_FALSE(a == b);
  b.setDescription("HEAVY CARD, GRÜßE");
  b.setCustomColor("sea green");
  b.setCustomType("ORDERED dividers");
  b.setCustomName("dividers 5-SET");
  b.setComment("Keep Dry");
  EXPECT_TRUE(a == b);
  b.setComment("Keep Dry ");
  EXPECT_FALSE(a == b);
}

TEST(StockEquality, EveryOtherFieldCounts) {
  const Stock base = stock_test::EveryFieldSet();
  auto differs = [&](void (*change)(Stock&)) {
    Stock other = base;
    change(other);
    return !(other == base) && !(base == other);
  };
  void (*const changes[])(Stock&) = {
      [](Stock& s) { s.setWidth(20001); },    [](Stock& s) { s.setLength(30001); },  [](Stock& s) { s.setSize(4); },
      [](Stock& s) { s.setColor(2); },        [](Stock& s) { s.setType(4); },        [](Stock& s) { s.setModulus(6); },
      [](Stock& s) { s.setWeight(164); },     [](Stock& s) { s.setPunched(1); },     [](Stock& s) { s.setSidesCoated(3); },
      [](Stock& s) { s.setCoatingType(5); },  [](Stock& s) { s.setFinish(1); },      [](Stock& s) { s.setGrain(1); },
      [](Stock& s) { s.setCustomNameOnly(false); }, [](Stock& s) { s.setSource(10); },
      [](Stock& s) { s.setCustomColor("Sea Greens"); }};
  for (std::size_t i = 0; i < std::size(changes); ++i) EXPECT_TRUE(differs(changes[i])) << "change " << i;

  // The coating type counts without sides coated, although neither stock writes it to the ticket.
  Stock a;
  Stock b;
  ASSERT_EQ(a.sidesCoated(), kPrinterDefault);
  b.setCoatingType(2);
  EXPECT_FALSE(a == b);
  EXPECT_EQ(a.asTicket(), b.asTicket());
}

}  // namespace

// The stock's fields and their couplings, its defaults per context, copies, and equality with the
// case folding of its texts; the sizes the stock size table gives dimensions and dimensions sizes.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "model/stock.h"
#include "model/stock_sizes.h"
#include "model/stock_test_support.h"
#include "model/text_compare.h"

namespace {

using platform::PlistDict;

// A new stock's defaults are pinned by what it writes to the ticket (stock_ticket_test); that a
// transparency is clear, by the printer's stocks (tests/stocklibrary) and the job's papers' golden file.
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
    EXPECT_EQ(std::vector({s.coatingType(), s.finish(), s.grain(), s.source()}), std::vector({4, 3, 2, 3}));
    EXPECT_EQ(s.comment(), "keep dry");
  }
}

// A stock whose couplings a ticket read broke: size 4 beside a custom width, and a transparency
// that is yellow. A copy keeps it so; an assignment goes through the setters and mends it.
TEST(StockCopy, CopyKeepsABrokenStockAsItIsAssignmentRestoresTheCouplings) {
  const auto broken = [] {
    Stock s;
    s.setWidth(21000);
    s.setLength(29700);
    const PlistDict dict{{"Size", 4}, {"Type", 2}, {"Color", 3}};
    s.fromTicket(&dict);
    return s;
  };
  const Stock original = broken();
  const Stock copy(original);
  EXPECT_EQ(std::vector({copy.size(), copy.width(), copy.length(), copy.type(), copy.color()}),
            std::vector({4, 21000, 29700, 2, 3}));
  EXPECT_EQ(copy.asTicket(), original.asTicket());

  Stock target;
  target = original;
  // The size is copied first (clearing the dimensions), then the width makes it custom again; the
  // colour is copied before the type, so the transparency ends up clear.
  EXPECT_EQ(std::vector({target.size(), target.width(), target.length(), target.type(), target.color()}),
            std::vector({75, 21000, 29700, 2, 6}));
  EXPECT_FALSE(target == original);

  Stock self = broken();
  Stock& same = self;
  self = same;
  EXPECT_EQ(self.asTicket(), original.asTicket());
  EXPECT_EQ(self.color(), 3);
}

TEST(StockCopy, AWellFormedStockIsCopiedWhole) {
  const Stock full = stock_test::EveryFieldSet();
  Stock target;
  target = full;
  EXPECT_EQ(target.asTicket(), full.asTicket());
  EXPECT_TRUE(target == full);
  Stock a4;
  a4.setSize(4);
  target = a4;  // the stale custom dimensions go
  EXPECT_EQ(std::pair(target.width(), target.length()), std::pair(kPrinterDefault, kPrinterDefault));
}

TEST(TextCompare, FoldsTheCaseOfAsciiAndTheCoveredScriptsOnly) {
  const struct {
    std::string a, b;
    bool equal;
  } cases[] = {
      {"Blue Card", "bLUE cARD", true},
      {"ÉCLAIR Ÿ Ā Ł Ž", "éclair ÿ ā ł ž", true},
      {"ΚΑΡΤΑ ΣΑΣ", "καρτα σας", true},
      {"ΆΈΏ", "άέώ", true},
      {"БУМАГА Ёж", "бумага ёж", true},
      {"", "", true},
      {"Card", "Card ", false},
      {"Card", "Cart", false},
      {"e", "é", false},
      {"×", "÷", false},  // U+00D7 and U+00F7 are signs, not letters
      {"@", "`", false},  // 0x40 and 0x60 sit beside the letters
      {"[", "{", false},
      // Malformed bytes compare as bytes: a lead byte cut off at the end...
      {std::string("A\xC3", 2), std::string("a\xC3", 2), true},
      {std::string("A\xC3", 2), std::string("a\xC4", 2), false},
      {std::string("\xC1\x81", 2), "a", false},  // an overlong form of "A" is not the letter A
      // ...and a stray continuation byte is not a character that could fold to anything.
      {std::string("\x80", 1), std::string("\xC2\x80", 2), false},
  };
  for (const auto& c : cases) EXPECT_EQ(EqualIgnoringCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
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
  void (*const changes[])(Stock&) = {
      [](Stock& s) { s.setWidth(20001); },    [](Stock& s) { s.setLength(30001); },  [](Stock& s) { s.setSize(4); },
      [](Stock& s) { s.setColor(2); },        [](Stock& s) { s.setType(4); },        [](Stock& s) { s.setModulus(6); },
      [](Stock& s) { s.setWeight(164); },     [](Stock& s) { s.setPunched(1); },     [](Stock& s) { s.setSidesCoated(3); },
      [](Stock& s) { s.setCoatingType(5); },  [](Stock& s) { s.setFinish(1); },      [](Stock& s) { s.setGrain(1); },
      [](Stock& s) { s.setCustomNameOnly(false); }, [](Stock& s) { s.setSource(10); },
      [](Stock& s) { s.setCustomColor("Sea Greens"); }};
  for (std::size_t i = 0; i < std::size(changes); ++i) {
    Stock other = base;
    changes[i](other);
    EXPECT_TRUE(!(other == base) && !(base == other)) << "change " << i;
  }

  // The coating type counts without sides coated, although neither stock writes it to the ticket.
  Stock a;
  Stock b;
  ASSERT_EQ(a.sidesCoated(), kPrinterDefault);
  b.setCoatingType(2);
  EXPECT_FALSE(a == b);
  EXPECT_EQ(a.asTicket(), b.asTicket());
}


constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(StockSizes, DimensionsFindTheFirstFittingRow) {
  const struct {
    std::int32_t width, length, size;
    const char* why;
  } cases[] = {
      {21000, 29700, 4, "A4, exactly"},
      {21500, 28000, 204, "letter, within 5 points"},
      {21600, 33000, 12, "not 16, which comes later"},
      {22900, 27900, 8, "not the tab size 82"},
      {22300, 29700, 7, ""},
      {0, 0, 75, ""},
      {150, -150, 75, "within 5 points of nothing"},
      {100000, 100000, kPrinterDefault, ""},
      // The printer-default row matches only exactly.
      {kPrinterDefault, kPrinterDefault, kPrinterDefault, ""},
      {kPrinterDefault + 1, kPrinterDefault + 1, kPrinterDefault, ""},
      {kPrinterDefault, 29700, kPrinterDefault, ""},
      // Extreme dimensions find nothing (and overflow nothing).
      {kMax, kMax, kPrinterDefault, ""},
      {kMax, kPrinterDefault, kPrinterDefault, ""},
      {-kMax, 0, kPrinterDefault, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(GetSizeForStockDimensions(c.width, c.length), c.size) << c.width << " x " << c.length << " " << c.why;
}

TEST(StockSizes, SizesGiveTheirRowsDimensions) {
  const struct {
    std::int32_t size;
    bool found;
    std::int32_t width, length;
  } cases[] = {{204, true, 21600, 27900},
               {kPrinterDefault, true, kPrinterDefault, kPrinterDefault},
               {75, true, 0, 0},
               {9999, false, 0, 0},
               {0, false, 0, 0}};  // the end row is no size
  for (const auto& c : cases) {
    std::int32_t w = 5, l = 5;
    EXPECT_EQ(GetStockDimensionsForSize(c.size, w, l), c.found) << c.size;
    EXPECT_EQ(std::pair(w, l), std::pair(c.width, c.length)) << c.size;
  }
}

// A table with rows after its end row: nothing past the end may ever be read.
const PaperSizeSettingMap kShortTable[] = {
    {"PrinterDefault", kPrinterDefault, kPrinterDefault, kPrinterDefault, kPrinterDefault, kPrinterDefault},
    {"Small", 1, 1000, 1000, 28, 28},
    {"End", 0, 5000, 5000, 142, 142},  // value 0 ends the table, label or not
    {"Beyond", 9, 5000, 5000, 142, 142},
    {nullptr, 0, 0, 0, 0, 0},
};

TEST(StockSizes, TheEndRowStopsBothLookups) {
  EXPECT_EQ(GetSizeForStockDimensions(kShortTable, 1000, 1000), 1);
  EXPECT_EQ(GetSizeForStockDimensions(kShortTable, 5000, 5000), kPrinterDefault);
  std::int32_t w = 0, l = 0;
  EXPECT_FALSE(GetStockDimensionsForSize(kShortTable, 9, w, l));
  EXPECT_TRUE(GetStockDimensionsForSize(kShortTable, 1, w, l));
  EXPECT_EQ(w, 1000);
}

// 2540 hundredths of a millimetre are exactly 72 points, so the bounds can be hit exactly.
TEST(StockSizes, ToleranceBoundsAreInclusive) {
  const PaperSizeSettingMap edges[] = {
      {"TooWide", 1, 1, 1, 78, 72},      // low bound 73: 72 is outside
      {"Edges", 2, 1, 1, 77, 67},        // 72 is the low width bound and the high length bound
      {nullptr, 0, 0, 0, 0, 0},
  };
  EXPECT_EQ(GetSizeForStockDimensions(edges, 2540, 2540), 2);
  const PaperSizeSettingMap extreme[] = {
      {"Huge", 3, 1, 1, kMax, kMax},  // bounds formed without overflow
      {"Point", 4, 1, 1, 72, 72},
      {nullptr, 0, 0, 0, 0, 0},
  };
  EXPECT_EQ(GetSizeForStockDimensions(extreme, 2540, 2540), 4);
  EXPECT_EQ(GetSizeForStockDimensions(extreme, kMax, kMax), kPrinterDefault);
}

}  // namespace

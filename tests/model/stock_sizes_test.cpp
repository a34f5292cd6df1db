#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "model/stock_sizes.h"

namespace {

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

// The paper-size table: the rows that were mended, and the paper library's two unit columns.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "vocabulary/setting_map.h"

TEST(StockSizeTable, MendedRows) {
  const PaperSizeSettingMap& size225 = CompleteStockSizeMap[38];
  EXPECT_STREQ(size225.labelKey, "StockSize225x297");
  EXPECT_EQ(size225.value, 203);
  EXPECT_EQ(size225.widthHmm, 22500);
  EXPECT_EQ(size225.heightHmm, 29700);
  EXPECT_EQ(size225.widthPt, 638);
  const PaperSizeSettingMap& governmentLetter = CompleteStockSizeMap[11];
  EXPECT_STREQ(governmentLetter.labelKey, "StockSizeGovernmentLetter");
  EXPECT_EQ(governmentLetter.value, 83);
  EXPECT_EQ(governmentLetter.widthPt, 576);
  EXPECT_EQ(governmentLetter.heightPt, 756);
  EXPECT_EQ(governmentLetter.heightHmm, 26700);
}

// Both unit columns describe the same paper: within two points of each other, except for the
// rows whose figures were kept as the paper library has them (noted beside each).
TEST(StockSizeTable, UnitColumnsAgree) {
  const std::set<std::int32_t> keptAsGiven = {
      79, 78,  // 8.5 x 13.5": 340 mm is 13.39", the points say 13.5"
      77,      // No. 9 envelope: 98 mm wide, 297 points (4.125") wide
  };
  for (const PaperSizeSettingMap* row = CompleteStockSizeMap + 1; row->labelKey != nullptr; ++row) {
    if (keptAsGiven.count(row->value) != 0) continue;
    EXPECT_LE(std::abs(row->widthHmm * 72.0 / 2540.0 - row->widthPt), 2.0) << row->labelKey;
    EXPECT_LE(std::abs(row->heightHmm * 72.0 / 2540.0 - row->heightPt), 2.0) << row->labelKey;
  }
}

// The paper-size table: the rows that were mended, and the paper library's two unit columns.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <tuple>

#include "vocabulary/setting_map.h"

TEST(StockSizeTable, MendedRows) {
  const auto row = [](const PaperSizeSettingMap& r) {
    return std::tuple(std::string(r.labelKey), r.value, r.widthHmm, r.heightHmm, r.widthPt, r.heightPt);
  };
  EXPECT_EQ(row(CompleteStockSizeMap[38]), std::tuple("StockSize225x297", 203, 22500, 29700, 638, 842));
  EXPECT_EQ(row(CompleteStockSizeMap[11]), std::tuple("StockSizeGovernmentLetter", 83, 20300, 26700, 576, 756));
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

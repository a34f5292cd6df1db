#include <gtest/gtest.h>

#include <cstdint>

#include "vocabulary/keyword_maps.h"
#include "vocabulary/printer_default.h"

TEST(KeywordMaps, RowCountsMatchTheTables) {
  EXPECT_EQ(CountKeywordMap(KVOGrayLineMap), 4u);
  EXPECT_EQ(CountKeywordMap(InputSlotMap), 8u);
  EXPECT_EQ(CountKeywordMap(LightenDarkenMap), 11u);
  EXPECT_EQ(CountKeywordMap(OutputBinMap), 22u);
  EXPECT_EQ(CountKeywordMap(PageSizeMap), 57u);
  EXPECT_EQ(CountKeywordMap(MediaTypeMap), 48u);
  EXPECT_EQ(CountKeywordMap(MediaColorMap), 22u);
  EXPECT_EQ(CountMainKeywordMap(MainKeywordMap), 29u);
  EXPECT_EQ(CountKeywordMap(nullptr), 0u);
}

TEST(KeywordMaps, RowsKeepTheirOrderAndValues) {
  EXPECT_STREQ(PageSizeMap[0].keyword, "Letter");
  EXPECT_EQ(PageSizeMap[0].value, 204);
  EXPECT_STREQ(PageSizeMap[7].keyword, "3x5");
  EXPECT_STREQ(PageSizeMap[55].keyword, "3x5");  // listed twice, both kept
  EXPECT_STREQ(PageSizeMap[56].keyword, "Custom");
  EXPECT_EQ(PageSizeMap[56].value, 75);
  EXPECT_EQ(PageSizeMap[57].keyword, nullptr);
  EXPECT_EQ(OutputBinMap[12].value, kPrinterDefault);
  EXPECT_EQ(kPrinterDefault, INT32_MIN);
  EXPECT_STREQ(MediaTypeMap[47].keyword, "ExtraHeavyWeightGlossReloaded");
  EXPECT_EQ(MediaTypeMap[47].value, 50);
  EXPECT_EQ(LightenDarkenMap[0].value, -5);
}

TEST(KeywordMaps, MainKeywordMapPairsKeywordsWithTheirMaps) {
  EXPECT_STREQ(MainKeywordMap[0].mainKeyword, "JCLBanner");
  EXPECT_EQ(MainKeywordMap[0].map, BannerPageMap);
  EXPECT_STREQ(MainKeywordMap[28].mainKeyword, "KVSlipSheetType");
  EXPECT_EQ(MainKeywordMap[29].mainKeyword, nullptr);
  EXPECT_EQ(KeywordMapForMainKeyword("KVFrontCoverSheet"), InputSlotMap);
  EXPECT_EQ(KeywordMapForMainKeyword("KVSlipSheetType"), MediaTypeMap);
  EXPECT_EQ(KeywordMapForMainKeyword("duplex"), nullptr);  // case matters
}

TEST(KeywordMaps, LookupsFindTheFirstMatchingRow) {
  EXPECT_EQ(KeywordMapValueForKeyword(MediaTypeMap, "CardStock"), 12);
  EXPECT_STREQ(KeywordMapKeywordForValue(MediaTypeMap, 43), "CardStock");
  EXPECT_EQ(KeywordMapValueForKeyword(MediaTypeMap, "CardStockF"), 43);
  EXPECT_EQ(KeywordMapValueForKeyword(PageSizeMap, "3x5"), 80);
  EXPECT_EQ(KeywordMapValueForKeyword(MediaTypeMap, "cardstock"), std::nullopt);
  EXPECT_EQ(KeywordMapKeywordForValue(MediaTypeMap, 9999), nullptr);
}

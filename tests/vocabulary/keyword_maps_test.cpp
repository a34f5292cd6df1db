#include <gtest/gtest.h>

#include "vocabulary/keyword_maps.h"

TEST(KeywordMaps, MainKeywordsFindTheirMaps) {
  EXPECT_EQ(KeywordMapForMainKeyword("JCLBanner"), BannerPageMap);
  EXPECT_EQ(KeywordMapForMainKeyword("KVFrontCoverSheet"), InputSlotMap);
  EXPECT_EQ(KeywordMapForMainKeyword("KVSlipSheetType"), MediaTypeMap);
  EXPECT_EQ(KeywordMapForMainKeyword("duplex"), nullptr);  // case matters
  EXPECT_EQ(CountKeywordMap(nullptr), 0u);
}

TEST(KeywordMaps, LookupsFindTheFirstMatchingRow) {
  EXPECT_EQ(KeywordMapValueForKeyword(MediaTypeMap, "CardStock"), 12);
  EXPECT_STREQ(KeywordMapKeywordForValue(MediaTypeMap, 43), "CardStock");
  EXPECT_EQ(KeywordMapValueForKeyword(MediaTypeMap, "CardStockF"), 43);
  EXPECT_EQ(KeywordMapValueForKeyword(PageSizeMap, "3x5"), 80);  // listed twice, both kept
  EXPECT_EQ(KeywordMapValueForKeyword(MediaTypeMap, "cardstock"), std::nullopt);
  EXPECT_EQ(KeywordMapKeywordForValue(MediaTypeMap, 9999), nullptr);
}

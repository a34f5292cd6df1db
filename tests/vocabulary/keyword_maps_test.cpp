#include <gtest/gtest.h>

#include "vocabulary/keyword_maps.h"

TEST(KeywordMaps, MainKeywordsFindTheirMaps) {
  EXPECT_EQ(KeywordMapForMainKeyword("JCLBanner"), BannerPageMap);
  EXPECT_EQ(KeywordMapForMainKeyword("KVFrontCoverSheet"), InputSlotMap);
  EXPECT_EQ(KeywordMapForMainKeyword("KVSlipSheetType"), MediaTypeMap);
  EXPECT_EQ(KeywordMapForMainKeyword("duplex"), nullptr);  // case matters
}

// The lookups by choice and value are pinned through the printer description (ppd_ticket_test).
TEST(KeywordMaps, LookupsFindTheFirstMatchingRow) {
  EXPECT_EQ(KeywordMapValueForKeyword(PageSizeMap, "3x5"), 80);  // listed twice, both kept
  EXPECT_EQ(KeywordMapValueForKeyword(MediaTypeMap, "cardstock"), std::nullopt);
}

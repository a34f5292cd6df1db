// Page numbers as typed: the edge cases of the parser's rules, the cap on single pages, and the
// fuzzer's seeds replayed.
#include <gtest/gtest.h>

#include "model/page_ranges.h"
#include "model/special_pages_codes.h"
#include "support/test_support.h"

namespace {

std::vector<PageRange> Ranges(std::string_view text, platform::OSStatus expected = platform::noErr) {
  std::vector<PageRange> ranges{{99, 1}};
  EXPECT_EQ(ParsePageRanges(text, &ranges), expected) << text;
  return ranges;
}

TEST(PageRanges, ReadTheEdgeCasesAsTheRulesSay) {
  EXPECT_EQ(Ranges("1,3-5, 9"), (std::vector<PageRange>{{1, 1}, {3, 3}, {9, 1}}));
  EXPECT_EQ(Ranges("-4"), (std::vector<PageRange>{{1, 4}}));
  EXPECT_EQ(Ranges("7-"), (std::vector<PageRange>{{7, kMaximumPageNumber - 6}}));
  EXPECT_EQ(Ranges("2a4"), (std::vector<PageRange>{{2, 1}, {4, 1}}));
  EXPECT_EQ(Ranges("3 5"), (std::vector<PageRange>{{3, 1}, {5, 1}}));
  EXPECT_EQ(Ranges("9999999"), (std::vector<PageRange>{{kMaximumPageNumber, 1}}));
  EXPECT_EQ(Ranges("0-4"), (std::vector<PageRange>{{0, 5}}));  // the exceptions dialog refuses it
  for (const char* bad : {"3--5", "-", "", ",,", "3-5-7", " , "}) EXPECT_TRUE(Ranges(bad, kInvalidPageRangesErr).empty());
  EXPECT_TRUE(Ranges("5-3", kInvalidRangeOrderErr).empty());
  // Too many digits never wraps round into a small page number.
  for (const char* big : {"12345678", "10000000", "99999999999999999999", "1-18446744073709551617"})
    EXPECT_TRUE(Ranges(big, kPageNumberLimitErr).empty());
}

TEST(PageRanges, SinglePagesExpandRangesAndStopAtTheCapBeforeMakingAny) {
  std::vector<std::int32_t> pages;
  ASSERT_EQ(ParseSinglePages("1,3-5, 9", &pages, kMaximumInsertPages), platform::noErr);
  EXPECT_EQ(pages, (std::vector<std::int32_t>{1, 3, 4, 5, 9}));
  EXPECT_EQ(ParseSinglePages("1-10000", &pages, kMaximumInsertPages), platform::noErr);
  EXPECT_EQ(pages.size(), 10000u);
  for (const char* huge : {"7-", "1-9999999", "1-5000,6000-11000"}) {
    std::vector<std::int32_t> refused;  // nothing is allocated for a refused text
    EXPECT_EQ(ParseSinglePages(huge, &refused, kMaximumInsertPages), kTooManyPagesErr) << huge;
    EXPECT_TRUE(refused.empty());
    EXPECT_EQ(refused.capacity(), 0u) << huge;
  }
  EXPECT_EQ(ParseSinglePages("5-3", &pages, kMaximumInsertPages), kInvalidRangeOrderErr);
}

TEST(PageRanges, EveryFuzzSeedGetsACodeOrRangesWithinTheLimit) {
  const int seeds = korvo_test::ReplayFuzzCorpus("page_ranges", [](const std::string& text) {
    std::vector<PageRange> ranges;
    const platform::OSStatus status = ParsePageRanges(text, &ranges);
    EXPECT_TRUE(status == platform::noErr || status == kPageNumberLimitErr || status == kInvalidPageRangesErr ||
                status == kInvalidRangeOrderErr);
    EXPECT_EQ(status == platform::noErr, !ranges.empty());
    for (const PageRange& r : ranges)
      EXPECT_TRUE(r.first >= 0 && r.count >= 1 && std::int64_t{r.first} + r.count - 1 <= kMaximumPageNumber);
  });
  EXPECT_GE(seeds, 15);
}

}  // namespace

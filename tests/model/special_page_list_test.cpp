// The two page lists: order, identity, and the cutting of overlapping exception ranges; page
// numbers as typed: the edge cases of the parser's rules, the cap on single pages, and the fuzzer's
// seeds replayed.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

#include "model/page_ranges.h"
#include "model/special_page_list.h"
#include "model/special_pages_codes.h"
#include "support/test_support.h"

namespace {

Insert MakeInsert(std::int32_t page, std::int32_t quantity = 1) {
  Insert insert;
  insert.setStartPage(page);
  insert.setQuantity(quantity);
  return insert;
}

ExceptionPage Range(std::int32_t start, std::int32_t end, std::int32_t weight = kPrinterDefault) {
  ExceptionPage page;
  page.setStartPage(start);
  page.setEndPage(end);
  page.stock().setWeight(weight);
  return page;
}

std::string Ranges(const ExceptionPageList& list) {
  std::string out;
  for (long i = 0; i < list.count(); ++i) {
    const ExceptionPage* p = list.pageAtIndex(i);
    out += (out.empty() ? "" : " ") + std::to_string(p->startPage()) + "-" + std::to_string(p->endPage());
  }
  return out;
}

std::string Pages(const InsertList& list) {
  std::string out;
  for (long i = 0; i < list.count(); ++i)
    out += (out.empty() ? "" : " ") + std::to_string(list.pageAtIndex(i)->startPage()) + "x" +
           std::to_string(list.pageAtIndex(i)->quantity());
  return out;
}

// Moving inserts up and down is the special pages panel's (tests/panels); none moves past an
// insert before page one.
TEST(InsertList, PromoteStopsAtInsertsBeforePageOne) {
  InsertList list;
  Insert zero = MakeInsert(0), two = MakeInsert(2);
  list.add({&zero, &two});
  EXPECT_FALSE(list.canPromote(list.pageAtIndex(1)));
  EXPECT_FALSE(list.canPromote(list.pageAtIndex(0)));  // first
  Insert stranger = MakeInsert(9);
  EXPECT_FALSE(list.canDemote(&stranger));
}

// Which range wins each page, over many overlapping batches, is checked page by page in
// BatchesInAnyOrderMatchTheLastRangeOnEveryPage.
TEST(ExceptionPageList, CutRangesKeepTheirOwnSettings) {
  ExceptionPageList list;
  ExceptionPage old = Range(1, 10, 90);
  old.setPlex(2);
  old.colorOptions().setLightness(20);
  list.add({&old});
  ExceptionPage inner = Range(4, 6, 120);
  list.add({&inner});
  ASSERT_EQ(Ranges(list), "1-3 4-6 7-10");
  for (long i : {0L, 2L}) {
    EXPECT_EQ(list.pageAtIndex(i)->stock().weight(), 90);
    EXPECT_EQ(list.pageAtIndex(i)->plex(), 2);
    std::int32_t lightness = 0;
    list.pageAtIndex(i)->colorOptions().lightness(&lightness);
    EXPECT_EQ(lightness, 20);
  }
  EXPECT_EQ(list.pageAtIndex(1)->stock().weight(), 120);
}

TEST(ExceptionPageList, BackwardRangesAndPagesBeforeOneAreRefusedWhole) {
  ExceptionPageList list;
  ExceptionPage good = Range(1, 2), backward = Range(5, 0), zero = Range(0, 3);
  EXPECT_EQ(list.add({&good, &backward}), platform::paramErr);
  EXPECT_EQ(list.add({&zero}), platform::paramErr);
  EXPECT_EQ(list.count(), 0);
}

TEST(SpecialPageList, UpdateReplacesOrPutsTheOldPageBack) {
  ExceptionPageList list;
  ExceptionPage a = Range(1, 3), b = Range(8, 9);
  list.add({&a, &b});
  ExceptionPage* first = list.pageAtIndex(0);
  ExceptionPage replacement = Range(20, 22);
  EXPECT_EQ(list.update(first, {&replacement}), platform::noErr);
  EXPECT_EQ(Ranges(list), "8-9 20-22");  // the old range goes even though nothing covers it now

  ExceptionPage* eight = list.pageAtIndex(0);
  ExceptionPage invalid = Range(4, 1);
  EXPECT_EQ(list.update(eight, {&invalid}), platform::paramErr);
  EXPECT_EQ(Ranges(list), "8-9 20-22");
  EXPECT_EQ(list.pageAtIndex(0), eight);

  ExceptionPage stranger = Range(30, 31);
  EXPECT_EQ(list.update(&stranger, {&replacement}), platform::noErr);
  EXPECT_EQ(list.count(), 2);
  list.remove(&stranger);
  list.remove(eight);
  EXPECT_EQ(Ranges(list), "20-22");
}

// A list's dictionary form, and an emptied list writing none, are special_page_test's.
TEST(SpecialPageList, CopiesHoldClones) {
  InsertList list;
  Insert a = MakeInsert(4, 2);
  list.add({&a});
  InsertList copy(list);
  copy.pageAtIndex(0)->setQuantity(9);
  EXPECT_EQ(list.pageAtIndex(0)->quantity(), 2);
}

// Random batches, in any order and overlapping, against a page-by-page model: each page belongs
// to the last range that covered it, and each run of pages of one range is one range of the list.
TEST(ExceptionPageList, BatchesInAnyOrderMatchTheLastRangeOnEveryPage) {
  std::mt19937 random(41);
  for (int round = 0; round < 200; ++round) {
    ExceptionPageList list;
    std::map<int, int> owner;  // page -> the weight of the range that covers it
    for (int batch = 0; batch < 3; ++batch) {
      std::vector<ExceptionPage> ranges;
      for (int i = 0; i < 6; ++i) {
        const int start = static_cast<int>(random() % 40) + 1;
        ranges.push_back(Range(start, start + static_cast<int>(random() % 8), 60 + round * 20 + batch * 7 + i));
      }
      std::vector<const SpecialPage*> pages;
      for (const ExceptionPage& r : ranges) {
        pages.push_back(&r);
        for (int p = r.startPage(); p <= r.endPage(); ++p) owner[p] = r.stock().weight();
      }
      ASSERT_EQ(list.add(pages), platform::noErr);
    }
    std::string expected;
    for (auto at = owner.begin(); at != owner.end();) {
      auto end = at;
      while (std::next(end) != owner.end() && std::next(end)->first == end->first + 1 &&
             std::next(end)->second == at->second)
        ++end;
      expected += (expected.empty() ? "" : " ") + std::to_string(at->first) + "-" + std::to_string(end->first);
      at = std::next(end);
    }
    ASSERT_EQ(Ranges(list), expected) << "round " << round;
    for (long i = 0; i < list.count(); ++i)
      EXPECT_EQ(list.pageAtIndex(i)->stock().weight(), owner[list.pageAtIndex(i)->startPage()]);
  }
}

// Inserts go before the first insert with a later start page, in the order they were added, even
// when a promotion has put the list out of order; the list holds clones of what it is given.
TEST(InsertList, BatchesGoBeforeTheFirstLaterInsertEvenAfterPromotion) {
  InsertList list;
  Insert two = MakeInsert(2, 1), five = MakeInsert(5, 1), eight = MakeInsert(8, 1);
  list.add({&two, &five, &eight});
  list.promote(list.pageAtIndex(1));  // 5 2 8
  Insert a = MakeInsert(4, 2), b = MakeInsert(1, 3), c = MakeInsert(5, 4), d = MakeInsert(9, 5), e = MakeInsert(4, 6);
  ASSERT_EQ(list.add({&a, &b, &c, &d, &e}), platform::noErr);
  EXPECT_EQ(Pages(list), "1x3 4x2 4x6 5x1 2x1 5x4 8x1 9x5");
  EXPECT_EQ(list.indexOfPage(&a), -1);
  EXPECT_EQ(list.pageAtIndex(8), nullptr);
  EXPECT_EQ(list.pageAtIndex(-1), nullptr);
  ExceptionPage wrongKind = Range(1, 2);
  EXPECT_EQ(list.add({&wrongKind}), platform::paramErr);
  EXPECT_EQ(list.count(), 8);
}


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

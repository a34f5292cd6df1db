// The list's rows and texts, and the covers as the ticket gives them: the order of the rows
// (an overlapping range cutting an older one), the attribute parts of a page, and the booklet
// and pad rules of reading and writing.
#include <gtest/gtest.h>

#include "model/paper_output_keys.h"
#include "panels/special_pages/special_page_rows.h"
#include "panels/special_pages/special_pages_panel.h"
#include "support/test_support.h"

namespace {

class SpecialPageRows : public ::testing::Test {
 protected:
  void SetUp() override {
    auto opened = platform::Bundle::open(korvo_test::BundlePath());
    ASSERT_TRUE(opened) << opened.error();
    bundle = *opened;
  }
  std::vector<std::string> Column(SpecialPages& pages, platform::ui::DataBrowserPropertyID column) {
    std::vector<std::string> cells;
    for (const SpecialPageRow& row : ::SpecialPageRows(pages)) cells.push_back(SpecialPageCellText(bundle, row, column));
    return cells;
  }
  static ExceptionPage Range(std::int32_t first, std::int32_t last) {
    ExceptionPage range;
    range.setStartPage(first);
    range.setEndPage(last);
    return range;
  }
  const platform::Bundle* bundle = nullptr;
};

TEST_F(SpecialPageRows, FollowCoversInsertsAndRangesInPageOrder) {
  SpecialPages pages;
  pages.backCover.emplace();
  pages.frontCover.emplace();
  Insert before1, after4;
  after4.setStartPage(4);
  const ExceptionPage wide = Range(1, 10), narrow = Range(4, 6);
  ASSERT_EQ(pages.inserts.add({&after4, &before1}), platform::noErr);
  ASSERT_EQ(pages.exceptions.add({&wide}), platform::noErr);
  ASSERT_EQ(pages.exceptions.add({&narrow}), platform::noErr);  // cuts 1-10 in three
  EXPECT_EQ(Column(pages, kPagesColumn),
            (std::vector<std::string>{"Front", "Before 1", "1-3", "4-6", "4", "7-10", "Back"}));
  EXPECT_EQ(Column(pages, kTypeColumn), (std::vector<std::string>{"Cover", "Insert", "Exception", "Exception",
                                                                  "Insert", "Exception", "Cover"}));
}

TEST_F(SpecialPageRows, TellThePaperAndTheRangesSettingsPartByPart) {
  SpecialPages pages;
  ExceptionPage range = Range(5, 5);
  range.setPlex(3);
  range.setHalftoneScreen(7);
  range.stock().setCustomName("Gloss 1");
  range.stock().setSize(204);
  range.stock().setWeight(95);
  range.stock().setDescription("shiny");
  ASSERT_EQ(pages.exceptions.add({&range}), platform::noErr);
  Cover cover;
  cover.setSidesImaged(4);
  cover.stock().setSource(10);
  cover.stock().setWeight(120);  // a paper from a source says only where it comes from
  pages.frontCover = cover;
  const std::vector<std::string> attributes = Column(pages, kAttributesColumn);
  EXPECT_EQ(attributes[0], "Print on Both Sides; Post-Print Inserter");
  EXPECT_EQ(attributes[1], "Paper Name: Gloss 1; Two-Sided (Short Edge); Letter (8.5 x 11\"); Weight: 95 gsm; "
                           "Description: shiny; Halftone Screen: 150 Dot");
  EXPECT_EQ(Column(pages, kPagesColumn)[1], "5");
}

TEST_F(SpecialPageRows, BookletLayoutCopiesTheFrontAndPadsGoWhenPagesExist) {
  platform::Ticket settings;
  Cover front, back;
  front.setSidesImaged(2);
  back.setSidesImaged(4);
  settings.set(kFrontCoverKey, front.asTicket(), "K");
  settings.set(kBackCoverKey, back.asTicket(), "K");
  settings.set(kBookletLayoutKey, true, "K");
  SpecialPagesContext context;
  ReadSpecialPagesTicket(context, settings);
  ASSERT_TRUE(context.pages.backCover);
  EXPECT_EQ(context.pages.backCover->sidesImaged(), 2);
  EXPECT_TRUE(context.bookletLayout);

  settings.set(kNoOfPadsKey, 4, "K");
  context.pages = SpecialPages{};
  WriteSpecialPagesTicket(context, settings);
  EXPECT_TRUE(settings.contains(kNoOfPadsKey));  // nothing special: the pads stay
  EXPECT_FALSE(settings.contains(kFrontCoverKey));  // a removed cover is removed from the ticket
  context.pages.backCover.emplace();
  WriteSpecialPagesTicket(context, settings);
  EXPECT_FALSE(settings.contains(kNoOfPadsKey));
}

}  // namespace

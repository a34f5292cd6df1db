// The Special Pages panel driven as a user drives it: pages added by typing show in the list in
// page order; Edit replaces; Delete All and Undo; moving inserts; n-up; the cover rules of the
// covers dialog. The list's rows and texts, and the covers as the ticket gives them: the order
// of the rows (an overlapping range cutting an older one), the attribute parts of a page, and
// the booklet and pad rules of reading and writing.
#include <gtest/gtest.h>

#include "model/paper_output_keys.h"
#include "model/platform_keys.h"
#include "model/special_pages_ticket.h"
#include "panels/paper_output/paper_output_test_support.h"
#include "panels/special_pages/special_page_rows.h"
#include "panels/special_pages/special_pages_panel.h"
#include "platform/ui/user_choice.h"

namespace {

namespace ui = platform::ui;
using korvo_test::Act;
using korvo_test::PluginDialog;

class SpecialPagesPanel : public korvo_test::DialogTest {
 protected:
  SpecialPagesPanel() : DialogTest(korvo_test::SamplePPDPath()) {}

  static SpecialPagesContext& panel() { return korvo_test::PanelContext<SpecialPagesContext>(2); }
  static void Click(PluginDialog& dialog, const std::string& name) { korvo_test::ActOn(dialog, {{name, "click"}}); }
  static std::vector<std::string> Column(ui::DataBrowserPropertyID column) {
    return korvo_test::ColumnTexts(*panel().controls.list, column);
  }
  // The named steps, then the paper menu's item and subitem, then OK.
  static ui::ScriptedInteraction::ModalStep ActThenPaper(korvo_test::NamedSteps steps, std::string menu,
                                                         std::string item, std::string subItem) {
    return [=](ui::Window& window, ui::UserDriver& user) {
      korvo_test::ActOn(window, user, steps);
      EXPECT_EQ(ui::ChooseSubmenuLabel(korvo_test::In(window, menu.c_str()), user, item, subItem), platform::noErr);
      user.pressReturn(window);
    };
  }
  static bool Enabled(ui::Control* SpecialPagesControls::*button) { return (panel().controls.*button)->enabled(); }
};

// What the pages write in the ticket is korvo-pde set's to check.
TEST_F(SpecialPagesPanel, EditReplacesAndUndoAfterDeleteAllRestoresEveryPart) {
  PluginDialog dialog(session);
  script.onModal(Act({{"CoverOption", "Same Covers"}}));
  Click(dialog, "AddCovers");
  script.onModal(Act({{"Pages", "2-4"}}));
  Click(dialog, "AddExceptions");
  script.onModal(Act({{"Pages", "7"}}));
  Click(dialog, "AddInserts");
  korvo_test::ActOn(dialog, {{"SpecialPages", "2-4"}});
  script.onModal(Act({{"Pages", "6-8"}}));
  Click(dialog, "EditSpecialPage");
  EXPECT_EQ(Column(kPagesColumn), (std::vector<std::string>{"Front", "6-8", "7", "Back"}));

  script.onAlert(2);  // Delete
  Click(dialog, "DeleteAllSpecialPages");
  EXPECT_TRUE(Column(kPagesColumn).empty());
  EXPECT_FALSE(Enabled(&SpecialPagesControls::removeAll));
  Click(dialog, "UndoSpecialPages");
  EXPECT_EQ(Column(kPagesColumn), (std::vector<std::string>{"Front", "6-8", "7", "Back"}));
  EXPECT_FALSE(Enabled(&SpecialPagesControls::undo));  // one level only

  script.onAlert(1);  // Keep
  korvo_test::ActOn(dialog, {{"SpecialPages", "Front,7"}});
  Click(dialog, "DeleteSpecialPage");
  EXPECT_EQ(Column(kPagesColumn).size(), 4u);
  script.onAlert(2);
  Click(dialog, "DeleteSpecialPage");
  EXPECT_EQ(Column(kPagesColumn), (std::vector<std::string>{"6-8", "Back"}));
}

TEST_F(SpecialPagesPanel, MovingFollowsTheInsertListAndNUpTakesTheAddButtonsAway) {
  PluginDialog dialog(session);
  script.onModal(Act({{"Pages", "2,5"}}));
  Click(dialog, "AddInserts");
  EXPECT_FALSE(Enabled(&SpecialPagesControls::moveUp));
  korvo_test::ActOn(dialog, {{"SpecialPages", "5"}});
  EXPECT_TRUE(Enabled(&SpecialPagesControls::moveUp));
  EXPECT_FALSE(Enabled(&SpecialPagesControls::moveDown));
  Click(dialog, "MoveSpecialPageUp");
  EXPECT_EQ(Column(kPagesColumn), (std::vector<std::string>{"5", "2"}));
  EXPECT_TRUE(Enabled(&SpecialPagesControls::moveDown));  // the moved insert stays selected
  // Several inserts move down together, the last first; where the block cannot move, nothing
  // moves and there is nothing to undo.
  script.onModal(Act({{"Pages", "9"}}));
  Click(dialog, "AddInserts");
  korvo_test::ActOn(dialog, {{"SpecialPages", "5,2"}});
  Click(dialog, "MoveSpecialPageDown");
  EXPECT_EQ(Column(kPagesColumn), (std::vector<std::string>{"9", "5", "2"}));
  EXPECT_FALSE(Enabled(&SpecialPagesControls::moveDown));
  Click(dialog, "UndoSpecialPages");
  EXPECT_EQ(Column(kPagesColumn), (std::vector<std::string>{"5", "2", "9"}));

  settings().set(kPMLayoutNUpKey, true, "com.apple.print");
  dialog.sync(true);
  EXPECT_FALSE(Enabled(&SpecialPagesControls::addInserts));
  EXPECT_FALSE(Enabled(&SpecialPagesControls::addExceptions));
  EXPECT_TRUE(Enabled(&SpecialPagesControls::addCovers));
}

TEST_F(SpecialPagesPanel, CoverOptionsKeepWhatExistsAndSameCoversFollowTheFront) {
  PluginDialog dialog(session);
  script.onModal(ActThenPaper({{"CoverOption", "Front Cover Only"}}, "FrontCoverPaper", "Color", "Blue"));
  Click(dialog, "AddCovers");
  const Stock front = panel().pages.frontCover->stock();
  EXPECT_NE(front.color(), kPrinterDefault);
  script.onModal(Act({{"CoverOption", "Different Covers"}}));
  Click(dialog, "AddCovers");
  ASSERT_TRUE(panel().pages.frontCover && panel().pages.backCover);
  EXPECT_EQ(panel().pages.frontCover->stock(), front);  // the front kept its paper

  script.onModal(ActThenPaper({{"CoverOption", "Same Covers"}, {"FrontCoverSides", "Print on Side 1"}},
                              "FrontCoverPaper", "Color", "Yellow"));
  Click(dialog, "AddCovers");
  EXPECT_EQ(panel().pages.frontCover->sidesImaged(), 2);
  EXPECT_TRUE(*panel().pages.frontCover == *panel().pages.backCover);

  // Undo brings back the covers as they were before the dialog.
  Click(dialog, "UndoSpecialPages");
  EXPECT_EQ(panel().pages.frontCover->stock(), front);
  EXPECT_EQ(panel().pages.frontCover->sidesImaged(), 1);
  EXPECT_FALSE(*panel().pages.frontCover == *panel().pages.backCover);
}

TEST_F(SpecialPagesPanel, AForcedBookletSizeIsInTheTicketAfterOneSync) {
  settings().set(kBookletLayoutKey, true, "K");
  settings().set(kBookletForceNewSizeKey, true, "K");
  settings().set("com.korvo.print.JobLevelStock", platform::PlistDict{{"Size", 5}}, "K");
  PluginDialog dialog(session);
  script.onModal(Act({{"CoverOption", "Front Cover Only"}}));
  Click(dialog, "AddCovers");
  dialog.sync(false);
  const SpecialPages written = ReadSpecialPages(settings());
  ASSERT_TRUE(written.frontCover);
  EXPECT_EQ(written.frontCover->stock().size(), 5);

  // A cover read from a hand-made ticket takes the size as well.
  settings().set(kFrontCoverKey, platform::PlistDict{{"StartPage", 0}, {"SidesImaged", 1}, {"Stock", platform::PlistDict{}}},
                 "K");
  dialog.sync(true);
  dialog.sync(false);
  EXPECT_EQ(ReadSpecialPages(settings()).frontCover->stock().size(), 5);
}

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

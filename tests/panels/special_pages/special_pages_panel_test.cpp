// The Special Pages panel driven as a user drives it: pages added by typing show in the list in
// page order with their texts; Edit replaces; Delete All and Undo; moving
// inserts; n-up; the cover rules of the covers dialog.
#include <gtest/gtest.h>

#include "model/paper_output_keys.h"
#include "model/platform_keys.h"
#include "model/special_pages_ticket.h"
#include "panels/image_options/image_options_test_support.h"
#include "panels/paper_output/paper_output_test_support.h"
#include "panels/special_pages/special_page_rows.h"

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
      ui::Control* button = window.content().findNamed(menu);
      ASSERT_NE(button, nullptr) << menu;
      const int number = korvo_test::ItemNumber(button->menu(), item);
      ASSERT_NE(number, 0) << item;
      const int sub = korvo_test::ItemNumber(*button->menu().item(number)->submenu, subItem);
      EXPECT_EQ(user.chooseItem(*button, number, sub), platform::noErr) << subItem;
      user.pressReturn(window);
    };
  }
  static bool Enabled(ui::Control* SpecialPagesControls::*button) { return (panel().controls.*button)->enabled(); }
};

// What the pages write in the ticket is korvo-pde set's to check.
TEST_F(SpecialPagesPanel, PagesAddedByTypingShowInPageOrderWithTheirTexts) {
  PluginDialog dialog(session);
  script.onModal(Act({{"Pages", "3,5"}, {"Quantity", "2"}}));
  Click(dialog, "AddInserts");
  script.onModal(Act({{"Pages", "2-4"}, {"TwoSided", "Two-Sided"}}));
  Click(dialog, "AddExceptions");
  script.onModal(Act({{"CoverOption", "Different Covers"}}));
  Click(dialog, "AddCovers");
  EXPECT_EQ(Column(kPagesColumn), (std::vector<std::string>{"Front", "2-4", "3", "5", "Back"}));
  EXPECT_EQ(Column(kTypeColumn), (std::vector<std::string>{"Cover", "Exception", "Insert", "Insert", "Cover"}));
  const std::vector<std::string> attributes = Column(kAttributesColumn);
  EXPECT_EQ(attributes[0], "Blank or Pre-Printed");
  EXPECT_EQ(attributes[1], "Two-Sided");
  EXPECT_EQ(attributes[2], "Quantity [2]");
}

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

}  // namespace

// The booklet dialog's creation form, opened from Paper/Output's "Booklet Creation..." and
// answered as a user would: OK hands its choices to the booklet rules, Cancel leaves the staples,
// and a job with staples of its own cannot become a booklet.
#include <gtest/gtest.h>

#include "model/paper_output_keys.h"
#include "model/platform_keys.h"
#include "panels/paper_output/paper_output_test_support.h"
#include "platform/ui/scripted_interaction.h"

namespace {

namespace ui = platform::ui;
using korvo_test::PluginDialog;
using korvo_test::Titled;

class BookletDialog : public korvo_test::DialogTest {
 protected:
  PluginDialog dialog{session};

  std::string picture;  // what the dialog's picture showed after the click

  // Clicks the radio button titled so, types the gutter, then presses Return or Escape.
  void Answer(const std::string& radio, const std::string& gutter, bool ok, bool* radioEnabled = nullptr) {
    script.onModal([=, this](ui::Window& window, ui::UserDriver& user) {
      ui::Control* button = Titled(window.content(), radio);
      ASSERT_NE(button, nullptr) << radio;
      if (radioEnabled) *radioEnabled = button->enabled();
      if (button->enabled()) {
        EXPECT_EQ(user.click(*button), platform::noErr);
      }
      picture = window.find({platform::FourCharCode("KPDE"), 1608})->picture();
      if (!gutter.empty()) korvo_test::Retype(user, korvo_test::In(window, "Gutter"), gutter);
      ok ? user.pressReturn(window) : user.pressEscape(window);
    });
    EXPECT_EQ(dialog.choose("Finishing", "Booklet Creation..."), platform::noErr);
    EXPECT_TRUE(script.scriptUsedUp());
  }
};

// Cancel, with a fold and a gutter chosen, is korvo-pde set's to check, byte for byte.
TEST_F(BookletDialog, BookletFoldMakesABooklet) {
  ASSERT_EQ(dialog.choose("TwoSided", "One-Sided"), platform::noErr);
  Answer("Booklet Fold", "30", true);
  EXPECT_EQ(picture, "BookletCreation_Booklet-Fold.png");
  EXPECT_TRUE(dialog.panel().booklet.on);
  EXPECT_EQ(dialog.panel().booklet.gutter, 30);
  dialog.sync(false);
  EXPECT_EQ(settings().getBoolean(kBookletLayoutKey), true);
  EXPECT_EQ(settings().getInteger(kFinishingOptionsKey), 24);
  EXPECT_EQ(settings().getInteger(kFinishingFoldValueKey), 43);
  EXPECT_EQ(settings().getInteger(kFinishingDuplexKey), 3);
  EXPECT_EQ(settings().getInteger(kGutterKey), 30);
  const ui::Menu& menu = dialog.named("Finishing").menu();
  EXPECT_TRUE(menu.item(menu.findText("Booklet Creation..."))->checked);
}

TEST_F(BookletDialog, InsertsBehindAnEmptyExceptionListRuleBookletOut) {
  settings().set("com.korvo.print.SpecialPages.ExceptionList", platform::PlistArray{}, "com.korvo.print");
  settings().set("com.korvo.print.SpecialPages.InsertList", platform::PlistArray{platform::PlistDict{{"Page", 3}}},
                 "com.korvo.print");
  bool enabled = true;
  Answer("Booklet Fold", "", true, &enabled);
  EXPECT_FALSE(enabled);
  EXPECT_FALSE(dialog.panel().booklet.on);
}

TEST_F(BookletDialog, AJobWithItsOwnStaplesCannotBecomeABooklet) {
  dialog.panel().finishing.staple1 = 5;
  dialog.panel().finishing.code = kFinishingOneStaple;
  bool enabled = true;
  Answer("Booklet Fold", "", true, &enabled);
  EXPECT_FALSE(enabled);
  EXPECT_FALSE(dialog.panel().booklet.on);
  EXPECT_EQ(dialog.panel().finishing.staple1, 5);
}

// The staple items follow the booklet the panel holds, not what the dialog showed before Cancel.
TEST_F(BookletDialog, CancelLeavesTheStapleItemsAsTheyWere) {
  auto stapleItems = [this] {
    std::vector<bool> enabled;
    const ui::Menu& menu = dialog.named("Finishing").menu();
    for (const char* item : {"1 Staple...", "2 Staples..."})
      if (int at = menu.findText(item)) enabled.push_back(menu.item(at)->enabled);
    return enabled;
  };
  const std::vector<bool> before = stapleItems();
  ASSERT_FALSE(before.empty());
  EXPECT_EQ(before, std::vector<bool>(before.size(), true));
  Answer("Booklet Fold", "", false);
  EXPECT_EQ(stapleItems(), before);
  Answer("Booklet Fold", "", true);
  EXPECT_EQ(stapleItems(), std::vector<bool>(before.size(), false));  // a booklet takes no staples
}

// The panel's options form, on a printer that folds booklets: the finishing choices with the
// layout's; square fold and trim stay hidden, Help opens the booklet page.
TEST_F(BookletDialog, TheOptionsFormHidesSquareFoldAndTrimAndHasHelp) {
  ASSERT_EQ(dialog.choose("Panel", "Booklet/Watermark"), platform::noErr);
  ASSERT_EQ(dialog.choose("BookletLayout", "Enabled"), platform::noErr);
  script.onModal([](ui::Window& window, ui::UserDriver& user) {
    EXPECT_EQ(window.title(), "Booklet Options");
    EXPECT_NE(Titled(window.content(), "Booklet Fold"), nullptr);
    for (std::int32_t id : {1621, 1622, 1623, 1624})
      EXPECT_FALSE(window.find({platform::FourCharCode("KPDE"), id})->isReallyVisible()) << id;
    EXPECT_EQ(user.click(*window.content().findNamed("BookletHelp")), platform::noErr);
    user.pressEscape(window);
  });
  EXPECT_EQ(dialog.user().click(dialog.named("BookletOptions")), platform::noErr);
  EXPECT_TRUE(script.scriptUsedUp());
  EXPECT_NE(std::find_if(script.log().begin(), script.log().end(),
                         [](const std::string& line) {
                           return line.find("Paper_Output/Finishing/db_booklet_creation_d.htm") != std::string::npos;
                         }),
            script.log().end());
}

}  // namespace

// The booklet dialog's creation form, opened from Paper/Output's "Booklet Creation..." and
// answered as a user would: OK hands its choices to the booklet rules, Cancel changes nothing,
// and a job with staples of its own cannot become a booklet.
#include <gtest/gtest.h>

#include "model/paper_output_keys.h"
#include "model/platform_keys.h"
#include "panels/paper_output/paper_output_test_support.h"
#include "platform/ui/scripted_interaction.h"

namespace {

namespace ui = platform::ui;
using korvo_test::PluginDialog;

ui::Control* Titled(ui::Control& root, const std::string& title) {
  if (root.title() == title && root.kind() == ui::ControlKind::RadioButton) return &root;
  for (const auto& child : root.children())
    if (ui::Control* found = Titled(*child, title)) return found;
  return nullptr;
}

class BookletDialog : public ::testing::Test {
 protected:
  korvo_test::ScopedXdgHome home;
  platform::PrintSession session = korvo_test::SessionOn(korvo_test::FinishersPPDPath());
  ui::ScriptedInteraction script;
  PluginDialog dialog{session};
  platform::Ticket& settings() { return *session.ticket(platform::kPDE_PMPrintSettingsRef); }

  // Clicks the radio button titled so, types the gutter, then presses Return or Escape.
  std::string picture;  // what the dialog's picture showed after the click

  void Answer(const std::string& radio, const std::string& gutter, bool ok, bool* radioEnabled = nullptr) {
    script.onModal([=, this](ui::Window& window, ui::UserDriver& user) {
      ui::Control* button = Titled(window.content(), radio);
      ASSERT_NE(button, nullptr) << radio;
      if (radioEnabled) *radioEnabled = button->enabled();
      if (button->enabled()) {
        EXPECT_EQ(user.click(*button), platform::noErr);
      }
      picture = window.find({platform::FourCharCode("KPDE"), 1608})->picture();
      if (!gutter.empty()) {
        ui::Control* field = window.content().findNamed("Gutter");
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(user.select(*field, {0, 10}), platform::noErr);
        EXPECT_EQ(user.type(*field, gutter), platform::noErr);
      }
      ok ? user.pressReturn(window) : user.pressEscape(window);
    });
    EXPECT_EQ(dialog.choose("Finishing", "Booklet Creation..."), platform::noErr);
    EXPECT_TRUE(script.scriptUsedUp());
  }
};

TEST_F(BookletDialog, BookletFoldMakesABookletAndCancelChangesNothing) {
  ASSERT_EQ(dialog.choose("TwoSided", "One-Sided"), platform::noErr);
  dialog.sync(false);
  const platform::Ticket before = settings();
  const FinishingState finishing = dialog.panel().finishing;
  Answer("Booklet Fold and Staple", "30", false);
  EXPECT_EQ(settings(), before);
  EXPECT_EQ(dialog.panel().finishing, finishing);
  EXPECT_FALSE(dialog.panel().booklet.on);
  EXPECT_EQ(dialog.panel().booklet.gutter, 24);

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

}  // namespace

#include <gtest/gtest.h>

#include "kit/dialog_services.h"
#include "platform/ui/scripted_interaction.h"
#include "support/test_support.h"

namespace {

namespace ui = platform::ui;

TEST(ShellServices, TabControlShowsOnlyTheCurrentTabsPane) {
  ui::Control tabs(ui::ControlKind::TabControl, {}, {});
  tabs.setMaximum(3);
  ui::Control* panes[3];
  for (int i = 0; i < 3; ++i)
    panes[i] = tabs.embed(std::make_unique<ui::Control>(ui::ControlKind::UserPane, ui::ControlID{1, i}, ui::Rect{}));
  tabs.setValue(2);
  UpdateTabControl(tabs, 3, panes);
  EXPECT_FALSE(panes[0]->visible());
  EXPECT_TRUE(panes[1]->visible() && panes[1]->enabled() && panes[1]->active());
  EXPECT_FALSE(panes[2]->enabled());
}

TEST(ShellServices, HelpNeedsTheBundlesHelpBook) {
  ui::ScriptedInteraction script;
  EXPECT_EQ(DisplayHelp(nullptr, "", ""), platform::paramErr);
  auto bundle = platform::Bundle::open(korvo_test::BundlePath());
  ASSERT_TRUE(bundle);
  EXPECT_EQ(DisplayHelp(*bundle, "special_pages/db_add_inserts_d.html", ""), platform::noErr);
  EXPECT_EQ(script.log().back(), "help: Korvo Printer Help special_pages/db_add_inserts_d.html#");
  // A page the book lacks opens nothing and says so (pages are found letter case aside in
  // bundle_help_book_test).
  const std::size_t opened = script.log().size();
  EXPECT_EQ(DisplayHelp(*bundle, "paper_output/no_such_page.htm", ""), platform::fnfErr);
  EXPECT_EQ(script.log().size(), opened);

  korvo_test::TempDir dir;
  auto noBook = platform::Bundle::open(
      korvo_test::MakeBundle(dir, "NoBook", "<key>CFBundleHelpBookName</key><integer>3</integer>"));
  ASSERT_TRUE(noBook) << noBook.error();
  EXPECT_EQ(DisplayHelp(*noBook, "", "anchor"), platform::paramErr);
}

TEST(ShellServices, EmbedAndShowMovesTheControl) {
  ui::Window window("W", ui::Rect{0, 0, 10, 10});
  ui::Control* a = window.content().embed(std::make_unique<ui::Control>(ui::ControlKind::UserPane, ui::ControlID{1, 1}, ui::Rect{}));
  ui::Control* b = window.content().embed(std::make_unique<ui::Control>(ui::ControlKind::PushButton, ui::ControlID{1, 2}, ui::Rect{}));
  b->setVisible(false);
  EXPECT_EQ(EmbedAndShowControl(b, a), platform::noErr);
  EXPECT_EQ(b->parent(), a);
  EXPECT_TRUE(b->isReallyVisible());
  EXPECT_EQ(EmbedAndShowControl(nullptr, a), platform::paramErr);
}

}  // namespace

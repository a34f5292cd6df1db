// The shell pane in the dialog's window, clicked as a user would: the panel pop-up, the
// previous and next buttons, and what each switch makes the panels do.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kit/current_session.h"
#include "platform/ui/scripted_interaction.h"
#include "platform/ui/standard_commands.h"
#include "platform/ui/user_driver.h"
#include "shell/panel_table.h"
#include "shell/pde_shell.h"
#include "shell/recording_panels.h"
#include "shell/shell_controls.h"
#include "support/test_support.h"

namespace {

namespace ui = platform::ui;

using namespace shell_test;

class ShellPane : public ::testing::Test {
 protected:
  void SetUp() override {
    auto bundle = platform::Bundle::open(korvo_test::BundlePath());
    ASSERT_TRUE(bundle) << bundle.error();
    shell.bundle = *bundle;
    LoadPanels(shell, kSixPanels, LookupRecording);
    pane = window.content().embed(std::make_unique<ui::Control>(ui::ControlKind::UserPane, ui::ControlID{9, 1},
                                                                ui::Rect{0, 0, 600, 500}));
    session.printer().ppdPath = korvo_test::SamplePPDPath();
    ASSERT_EQ(PDEShellInitialize(&shell, nullptr, nullptr, pane, &session), platform::noErr);
    ASSERT_EQ(PDEShellOpen(&shell), platform::noErr);
    popup = window.find(kPanelPopupID);
    ASSERT_NE(popup, nullptr);
    gPanelCalls.clear();
  }
  void TearDown() override {
    // The shell's own Terminate takes the context and clears the window of its controls.
    PDEShellTerminate(owned.release(), platform::noErr);
    EXPECT_EQ(window.find(kShellPaneID), nullptr);
    EXPECT_EQ(window.find({kPanelPaneSignature, 1}), nullptr);
  }
  int VisiblePane() {
    int shown = 0;
    for (int i = 1; i <= 6; ++i)
      if (window.find({kPanelPaneSignature, i})->isReallyVisible()) shown = shown ? -1 : i;
    return shown;
  }
  std::unique_ptr<PDEShellContext> owned = std::make_unique<PDEShellContext>();
  PDEShellContext& shell = *owned;
  ui::Window window{"Print", ui::Rect{0, 0, 600, 560}};
  ui::Control* pane = nullptr;
  ui::Control* popup = nullptr;
  platform::PrintSession session;
  ui::UserDriver user;
};

TEST_F(ShellPane, SixPanesOneShownThePopupListsTheTitlesAndTheButtonsWrap) {
  ASSERT_EQ(popup->menu().count(), 6);
  EXPECT_EQ(popup->menu().item(4)->text, "Panel 4");
  EXPECT_EQ(popup->value(), 1);
  EXPECT_EQ(VisiblePane(), 1);
  // Every panel pane sits in the panel container, inside the shell pane, centred in the dialog.
  ui::Control* shellPane = window.find(kShellPaneID);
  EXPECT_EQ(shellPane->parent(), pane);
  EXPECT_EQ(shellPane->bounds().x, 30);
  EXPECT_EQ(window.find({kPanelPaneSignature, 6})->parent(), window.find(kPanelContainerID));
  // The previous and next buttons wrap around.
  EXPECT_EQ(user.click(*window.find(kPreviousButtonID)), platform::noErr);
  EXPECT_EQ(VisiblePane(), 6);
  EXPECT_EQ(user.click(*window.find(kNextButtonID)), platform::noErr);
  EXPECT_EQ(VisiblePane(), 1);
}

TEST_F(ShellPane, ChoosingTheVisiblePanelDoesNothingAndLeavingAPanelWritesItFirstThenOthersReread) {
  user.chooseItem(*popup, 1);
  EXPECT_TRUE(SyncCalls().empty());
  user.chooseItem(*popup, 3);
  EXPECT_EQ(SyncCalls(), (std::vector<std::string>{"Sync1:write", "Sync2:read", "Sync3:read", "Sync4:read",
                                                   "Sync5:read", "Sync6:read"}));
  EXPECT_EQ(VisiblePane(), 3);
  EXPECT_EQ(shell.lastTabIndex, 3);
  EXPECT_EQ(shell.selectedPanelIndex, 3);
  EXPECT_EQ(session.ticket(platform::kPDE_PMPrintSettingsRef)->getInteger("test.SharedKey"), 1);
}

TEST_F(ShellPane, HelpCommandOpensTheBookAndTheDialogsOKIsLeftToTheDialog) {
  ui::ScriptedInteraction script;
  ui::Event help(ui::kEventClassCommand, ui::kEventCommandProcess);
  help.command = platform::ui::kHelpCommand;
  EXPECT_EQ(ui::SendEventToEventTarget(help, &window), platform::noErr);
  EXPECT_EQ(script.log(), (std::vector<std::string>{"help: Korvo Printer Help #"}));
  ui::Event ok(ui::kEventClassCommand, ui::kEventCommandProcess);
  ok.command = platform::ui::kOKCommand;
  EXPECT_EQ(ui::SendEventToEventTarget(ok, &window), platform::eventNotHandledErr);
  ui::Event nextCommand(ui::kEventClassCommand, ui::kEventCommandProcess);
  nextCommand.command = kNextPanelCommand;
  ui::SendEventToEventTarget(nextCommand, &window);
  EXPECT_EQ(VisiblePane(), 2);
}

// The panel left on reopening is the one shown before, and it writes first.
TEST_F(ShellPane, CloseAndReopenReturnToTheLastPanel) {
  user.chooseItem(*popup, 5);
  PDEShellClose(&shell);
  gPanelCalls.clear();
  PDEShellOpen(&shell);
  EXPECT_EQ(SyncCalls().front(), "Sync5:write");
  EXPECT_EQ(VisiblePane(), 5);
  EXPECT_EQ(popup->value(), 5);
  EXPECT_EQ(popup->menu().count(), 6);  // refilled, not appended
}

}  // namespace

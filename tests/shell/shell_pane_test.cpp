// The shell pane in the dialog's window, clicked as a user would: the panel pop-up, the
// previous and next buttons, and what each switch makes the panels do.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/scripted_interaction.h"
#include "platform/ui/user_driver.h"
#include "shell/current_session.h"
#include "shell/panel_table.h"
#include "shell/pde_shell.h"
#include "shell/shell_controls.h"
#include "support/test_support.h"

namespace {

namespace ui = platform::ui;

std::vector<std::string> gSyncs;

template <int N>
struct Panel {
  static platform::OSStatus Prologue(platform::PMPDEContext* context, platform::OSType*, std::string*,
                                     std::string* title, std::uint32_t*, std::uint32_t*) {
    static int me = N;
    *context = &me;
    *title = "Panel " + std::to_string(N);
    return platform::noErr;
  }
  static platform::OSStatus Sync(platform::PMPDEContext, platform::PMPrintSession session, bool reinit) {
    gSyncs.push_back(std::to_string(N) + (reinit ? "r" : "w"));
    if (!reinit) session->ticket(platform::kPDE_PMPrintSettingsRef)->set("test.Key", N, "K");
    return platform::noErr;
  }
  static platform::OSStatus Get(std::unique_ptr<PanelInterface>* out) {
    *out = std::make_unique<PanelInterface>(
        PanelInterface{nullptr, nullptr, nullptr, Prologue, nullptr, Sync, nullptr, nullptr, nullptr, nullptr});
    return platform::noErr;
  }
};

PanelInterfaceGetter Lookup(std::string_view name) {
  static const std::pair<std::string_view, PanelInterfaceGetter> getters[] = {
      {"1", Panel<1>::Get}, {"2", Panel<2>::Get}, {"3", Panel<3>::Get},
      {"4", Panel<4>::Get}, {"5", Panel<5>::Get}, {"6", Panel<6>::Get}};
  for (auto [n, g] : getters)
    if (n == name) return g;
  return nullptr;
}

class ShellPane : public ::testing::Test {
 protected:
  void SetUp() override {
    auto bundle = platform::Bundle::open(korvo_test::BundlePath());
    ASSERT_TRUE(bundle) << bundle.error();
    shell.bundle = *bundle;
    const char* const names[] = {"1", "2", "3", "4", "5", "6", ""};
    LoadPanels(shell, names, Lookup);
    pane = window.content().embed(std::make_unique<ui::Control>(ui::ControlKind::UserPane, ui::ControlID{9, 1},
                                                                ui::Rect{0, 0, 600, 500}));
    session.printer().ppdPath = korvo_test::SamplePPDPath();
    lastTabIndex = 0;
    gSelectedPanelIndex = 0;
    ASSERT_EQ(PDEShellInitialize(&shell, nullptr, nullptr, pane, &session), platform::noErr);
    ASSERT_EQ(PDEShellOpen(&shell), platform::noErr);
    popup = window.find(kPanelPopupID);
    ASSERT_NE(popup, nullptr);
    gSyncs.clear();
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

TEST_F(ShellPane, SixPanesOneShownAndThePopupListsTheTitles) {
  ASSERT_EQ(popup->menu().count(), 6);
  EXPECT_EQ(popup->menu().item(4)->text, "Panel 4");
  EXPECT_EQ(popup->value(), 1);
  EXPECT_EQ(VisiblePane(), 1);
  // Every panel pane sits in the panel container, inside the shell pane, centred in the dialog.
  ui::Control* shellPane = window.find(kShellPaneID);
  EXPECT_EQ(shellPane->parent(), pane);
  EXPECT_EQ(shellPane->bounds().x, 30);
  EXPECT_EQ(window.find({kPanelPaneSignature, 6})->parent(), window.find(kPanelContainerID));
  EXPECT_TRUE(window.find(kNextButtonID)->isReallyVisible());
}

TEST_F(ShellPane, NextAndPreviousWrapAround) {
  ui::Control& next = *window.find(kNextButtonID);
  ui::Control& previous = *window.find(kPreviousButtonID);
  user.click(previous);
  EXPECT_EQ(VisiblePane(), 6);
  EXPECT_EQ(popup->value(), 6);
  user.click(next);
  EXPECT_EQ(VisiblePane(), 1);
  EXPECT_EQ(lastTabIndex, 1);
}

TEST_F(ShellPane, ChoosingTheVisiblePanelDoesNothingAndLeavingAPanelWritesItFirst) {
  user.chooseItem(*popup, 1);
  EXPECT_TRUE(gSyncs.empty());
  user.chooseItem(*popup, 3);
  EXPECT_EQ(gSyncs, (std::vector<std::string>{"1w", "2r", "3r", "4r", "5r", "6r"}));
  EXPECT_EQ(VisiblePane(), 3);
  EXPECT_EQ(session.ticket(platform::kPDE_PMPrintSettingsRef)->getInteger("test.Key"), 1);
}

TEST_F(ShellPane, HelpCommandOpensTheBookAndTheDialogsOKIsLeftToTheDialog) {
  ui::ScriptedInteraction script;
  ui::Event help(ui::kEventClassCommand, ui::kEventCommandProcess);
  help.command = kHelpCommand;
  EXPECT_EQ(ui::SendEventToEventTarget(help, &window), platform::noErr);
  EXPECT_EQ(script.log(), (std::vector<std::string>{"help: Korvo Printer Help #"}));
  ui::Event ok(ui::kEventClassCommand, ui::kEventCommandProcess);
  ok.command = kDialogOKCommand;
  EXPECT_EQ(ui::SendEventToEventTarget(ok, &window), platform::eventNotHandledErr);
  ui::Event nextCommand(ui::kEventClassCommand, ui::kEventCommandProcess);
  nextCommand.command = kNextPanelCommand;
  ui::SendEventToEventTarget(nextCommand, &window);
  EXPECT_EQ(VisiblePane(), 2);
}

TEST_F(ShellPane, CloseAndReopenReturnToTheLastPanel) {
  user.chooseItem(*popup, 5);
  PDEShellClose(&shell);
  PDEShellOpen(&shell);
  EXPECT_EQ(VisiblePane(), 5);
  EXPECT_EQ(popup->value(), 5);
  EXPECT_EQ(popup->menu().count(), 6);  // refilled, not appended
}

}  // namespace

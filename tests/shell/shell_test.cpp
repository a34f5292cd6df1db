// The shell with six panels that record their calls. Its fan-out: load order, tab indices, the rule that the visible panel writes last, and
// the client facts a writing Sync adds. The shell pane in the dialog's window, clicked as a user
// would: the panel pop-up, the previous and next buttons, and what each switch makes the panels do.
// The dialog's export entry point with no dialog running, and the kit's service without a dialog.
// (What export and import do through a running dialog is korvo-pde export and import's to check.)
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "jobticket/writer/jtkt_export.h"

#include "kit/current_session.h"
#include "model/client_information_keys.h"
#include "platform/ui/scripted_interaction.h"
#include "platform/ui/standard_commands.h"
#include "platform/ui/user_driver.h"
#include "shell/client_information.h"
#include "shell/job_ticket_entry_points.h"
#include "shell/panel_table.h"
#include "shell/pde_shell.h"
#include "shell/shell_context.h"
#include "shell/shell_controls.h"
#include "support/test_support.h"

// Panels that record their calls in gPanelCalls as "<op><N>[:read|:write]" and, on a writing
// Sync, store their number under "test.SharedKey", which every panel writes.
namespace shell_test {

inline std::vector<std::string> gPanelCalls;

// Panel 99 fails its Prologue.
template <int N>
struct RecordingPanel {
  static platform::OSStatus Prologue(platform::PMPDEContext* context, platform::OSType*, std::string* kind,
                                     std::string* title, std::uint32_t*, std::uint32_t*) {
    static int instance = N;
    *context = &instance;
    *title = "Panel " + std::to_string(N);
    *kind = "kind" + std::to_string(N);
    gPanelCalls.push_back("Prologue" + std::to_string(N));
    return N == 99 ? platform::kPMInvalidPDEContext : platform::noErr;
  }
  static platform::OSStatus Sync(platform::PMPDEContext, platform::PMPrintSession session, bool reinit) {
    gPanelCalls.push_back("Sync" + std::to_string(N) + (reinit ? ":read" : ":write"));
    if (!reinit && session != nullptr)
      session->ticket(platform::kPDE_PMPrintSettingsRef)->set("test.SharedKey", N, "K");
    return platform::noErr;
  }
  static platform::OSStatus Open(platform::PMPDEContext) {
    gPanelCalls.push_back("Open" + std::to_string(N));
    return platform::noErr;
  }
  static platform::OSStatus Get(std::unique_ptr<PanelInterface>* out) {
    *out = std::make_unique<PanelInterface>(
        PanelInterface{nullptr, nullptr, nullptr, Prologue, nullptr, Sync, nullptr, Open, nullptr, nullptr});
    return platform::noErr;
  }
};

// "P1" to "P6" and "Failing"; nothing for any other name.
inline PanelInterfaceGetter LookupRecording(std::string_view name) {
  static const std::pair<std::string_view, PanelInterfaceGetter> getters[] = {
      {"P1", RecordingPanel<1>::Get}, {"P2", RecordingPanel<2>::Get}, {"P3", RecordingPanel<3>::Get},
      {"P4", RecordingPanel<4>::Get}, {"P5", RecordingPanel<5>::Get}, {"P6", RecordingPanel<6>::Get},
      {"Failing", RecordingPanel<99>::Get}};
  for (auto [n, g] : getters)
    if (n == name) return g;
  return nullptr;
}

inline constexpr const char* kSixPanels[] = {"P1", "P2", "P3", "P4", "P5", "P6", ""};

// The Sync calls recorded so far.
inline std::vector<std::string> SyncCalls() {
  std::vector<std::string> out;
  for (const auto& c : gPanelCalls)
    if (c.starts_with("Sync")) out.push_back(c);
  return out;
}

}  // namespace shell_test

namespace {

namespace ui = platform::ui;
namespace fs = std::filesystem;
using namespace shell_test;

class ShellFanOut : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadPanels(shell, kSixPanels, LookupRecording);
    shell.session = &session;
    gPanelCalls.clear();
  }
  PDEShellContext shell;
  platform::PrintSession session;
};

// (That the six get their tab indices in load order, the visible panel's Sync below finds.)
TEST_F(ShellFanOut, AnUnknownGetterAndAFailingPrologueDoNotStopThePanelsAfterThem) {
  PDEShellContext other;
  const char* const names[] = {"P1", "Missing", "Failing", "P2", ""};
  testing::internal::CaptureStderr();
  LoadPanels(other, names, LookupRecording);
  std::string log = testing::internal::GetCapturedStderr();
  ASSERT_EQ(other.panelCount(), 2);
  EXPECT_EQ(other.panels[1].title, "Panel 2");
  EXPECT_EQ(other.panels[1].tabIndex, 2);
  EXPECT_NE(log.find("Missing"), std::string::npos);
}

TEST_F(ShellFanOut, VisiblePanelSyncsLastSoItsValueWins) {
  shell.lastTabIndex = 3;
  ASSERT_EQ(PDEShellSync(&shell, &session, false), platform::noErr);
  EXPECT_EQ(SyncCalls(), (std::vector<std::string>{"Sync1:write", "Sync2:write", "Sync4:write", "Sync5:write",
                                                   "Sync6:write", "Sync3:write"}));
  EXPECT_EQ(session.ticket(platform::kPDE_PMPrintSettingsRef)->getInteger("test.SharedKey"), 3);
}

TEST_F(ShellFanOut, OnlyAWritingSyncAddsControllerAndJobTicketOptions) {
  platform::Ticket& ticket = *session.ticket(platform::kPDE_PMPrintSettingsRef);
  ASSERT_EQ(PDEShellSync(&shell, &session, true), platform::noErr);
  EXPECT_EQ(SyncCalls().size(), 6u);
  EXPECT_FALSE(ticket.contains(kControllerFamilyKey));

  ticket.set(kRotateBooklet180DegreesKey, true, "K");
  ASSERT_EQ(PDEShellSync(&shell, &session, false), platform::noErr);
  // (Which facts and options, korvo-pde show lists.)
  EXPECT_TRUE(ticket.contains(kControllerFamilyKey) && ticket.contains(kJTKTOptionsKey));
  EXPECT_FALSE(ticket.contains(kRotateBooklet180DegreesKey));
}

// The panel last shown is the dialog's own: a second dialog in the same process opens on its
// first panel and writes nothing of a panel it never showed.
TEST_F(ShellFanOut, ANewDialogKeepsNothingOfTheLastOnesPanel) {
  ASSERT_EQ(PDEShellOpen(&shell), platform::noErr);
  selectPanel(4, &shell);
  PDEShellClose(&shell);
  PDEShellContext next;
  LoadPanels(next, kSixPanels, LookupRecording);
  next.session = &session;
  gPanelCalls.clear();
  ASSERT_EQ(PDEShellOpen(&next), platform::noErr);
  EXPECT_EQ(next.lastTabIndex, 1);
  for (const std::string& call : SyncCalls()) EXPECT_FALSE(call.ends_with(":write")) << call;
}

TEST_F(ShellFanOut, NoContextOrSessionIsRefused) {
  EXPECT_EQ(PDEShellSync(nullptr, &session, false), platform::kPMInvalidPrintSession);
  EXPECT_EQ(PDEShellSync(&shell, nullptr, false), platform::kPMInvalidPrintSession);
  EXPECT_TRUE(SyncCalls().empty());
  EXPECT_EQ(PDEShellOpen(nullptr), platform::kPMInvalidPDEContext);
  EXPECT_EQ(PDEShellClose(nullptr), platform::kPMInvalidPDEContext);
  EXPECT_EQ(PDEShellTerminate(nullptr, 0), platform::kPMInvalidPDEContext);
  EXPECT_EQ(PDEShellGetSummaryText(nullptr, nullptr, nullptr), platform::kPMInvalidPDEContext);
  EXPECT_EQ(PDEShellInitialize(nullptr, nullptr, nullptr, nullptr, &session), platform::kPMInvalidPDEContext);
}

TEST(ComputerName, OnlyLatin1PrintableCharactersAreWritten) {
  EXPECT_TRUE(IsWritableComputerName("print-room-3"));
  EXPECT_TRUE(IsWritableComputerName("Salle d\xC3\xA9part"));   // é U+00E9
  EXPECT_TRUE(IsWritableComputerName("\xC3\xBE"));              // þ U+00FE, the last allowed
  EXPECT_FALSE(IsWritableComputerName("\xC3\xBF"));             // ÿ U+00FF
  EXPECT_FALSE(IsWritableComputerName("\xE5\x8D\xB0\xE5\x88\xB7"));  // 印刷
  EXPECT_FALSE(IsWritableComputerName("tab\there"));
  EXPECT_FALSE(IsWritableComputerName("\xC3"));                 // cut sequence
  EXPECT_FALSE(IsWritableComputerName("\xC1\x81"));             // overlong 'A'
}

TEST(ClientInformation, MissingFactsRemoveStaleEntries) {
  platform::Ticket ticket;
  WriteClientInformation(ticket, ClientFacts{"anna", "press-1", "192.0.2.7"});
  EXPECT_EQ(*ticket.getString(kClientUserNameKey), "anna");
  EXPECT_EQ(*ticket.getString(kClientComputerNameKey), "press-1");
  EXPECT_EQ(*ticket.getString(kClientIPAddressKey), "192.0.2.7");

  WriteClientInformation(ticket, ClientFacts{std::nullopt, "\xE5\x8D\xB0", std::nullopt});
  EXPECT_FALSE(ticket.contains(kClientUserNameKey));
  EXPECT_FALSE(ticket.contains(kClientComputerNameKey));
  EXPECT_FALSE(ticket.contains(kClientIPAddressKey));
  EXPECT_EQ(*ticket.getString(kControllerFamilyKey), "Prexan");
}

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

long Lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

// A shell with six recording panels on a session, as the dialog has it between Initialize and
// Terminate.
class JobTicketEntryPoints : public ::testing::Test {
 protected:
  void SetUp() override {
    shell_test::gPanelCalls.clear();
    LoadPanels(shell, shell_test::kSixPanels, shell_test::LookupRecording);
    shell.session = &session;
    shell.dialog.jobTickets = ShellJobTicketService(shell);
    SetCurrentPrintSession(&session);
  }
  void TearDown() override { SetCurrentPrintSession(nullptr); }

  PDEShellContext shell;
  platform::PrintSession session;
  korvo_test::TempDir dir;
};

// The exported entry points work on the dialog now running; there is none here.
TEST_F(JobTicketEntryPoints, AFailedSyncOrNoSessionWritesNothing) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(JTKTExportToFileAtPath(dir.file("job.xml").c_str()), platform::kPMInvalidPrintSession);
  SetCurrentPrintSession(nullptr);
  EXPECT_NE(JTKTExportToFileAtPath(dir.file("job.xml").c_str()), platform::noErr);
  EXPECT_EQ(JTKTExportToFileAtPath(nullptr), platform::paramErr);
  EXPECT_EQ(Lines(testing::internal::GetCapturedStderr()), 3);
  EXPECT_FALSE(fs::exists(dir.file("job.xml")));
  // The kit's service without a dialog has nothing to export or import into.
  EXPECT_EQ(ExportJobTicketFromDialog({}, dir.file("job.xml").c_str()), platform::kPMInvalidPDEContext);
  EXPECT_EQ(ImportJobTicketsIntoDialog({}, nullptr, 0, nullptr, nullptr), platform::kPMInvalidPDEContext);
}

}  // namespace

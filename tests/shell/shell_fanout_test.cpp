// The shell's fan-out: load order, tab indices, and the rule that the visible panel writes last.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/client_information.h"
#include "shell/panel_table.h"
#include "shell/pde_shell.h"
#include "shell/shell_context.h"

namespace {

std::vector<std::string> gCalls;

// A panel that records every call as "<op><panel>[:<flag>]" and, on a writing Sync, stores its
// number under a key that every recording panel writes.
template <int N>
struct RecordingPanel {
  static platform::OSStatus Prologue(platform::PMPDEContext* context, platform::OSType*, std::string* kind,
                                     std::string* title, std::uint32_t*, std::uint32_t*) {
    static int instance = N;
    *context = &instance;
    *title = "Panel " + std::to_string(N);
    *kind = "kind" + std::to_string(N);
    gCalls.push_back("Prologue" + std::to_string(N));
    return N == 99 ? platform::kPMInvalidPDEContext : platform::noErr;
  }
  static platform::OSStatus Sync(platform::PMPDEContext, platform::PMPrintSession session, bool reinit) {
    gCalls.push_back("Sync" + std::to_string(N) + (reinit ? ":read" : ":write"));
    if (!reinit && session != nullptr)
      session->ticket(platform::kPDE_PMPrintSettingsRef)->set("test.SharedKey", N, "K");
    return platform::noErr;
  }
  static platform::OSStatus Open(platform::PMPDEContext) {
    gCalls.push_back("Open" + std::to_string(N));
    return platform::noErr;
  }
  static platform::OSStatus Get(std::unique_ptr<PanelInterface>* out) {
    *out = std::make_unique<PanelInterface>(
        PanelInterface{nullptr, nullptr, nullptr, Prologue, nullptr, Sync, nullptr, Open, nullptr, nullptr});
    return platform::noErr;
  }
};

PanelInterfaceGetter LookupRecording(std::string_view name) {
  if (name == "P1") return RecordingPanel<1>::Get;
  if (name == "P2") return RecordingPanel<2>::Get;
  if (name == "P3") return RecordingPanel<3>::Get;
  if (name == "P4") return RecordingPanel<4>::Get;
  if (name == "P5") return RecordingPanel<5>::Get;
  if (name == "P6") return RecordingPanel<6>::Get;
  if (name == "Failing") return RecordingPanel<99>::Get;
  return nullptr;
}

class ShellFanOut : public ::testing::Test {
 protected:
  void SetUp() override {
    gCalls.clear();
    lastTabIndex = 0;
    const char* const names[] = {"P1", "P2", "P3", "P4", "P5", "P6", ""};
    LoadPanels(shell, names, LookupRecording);
    shell.session = &session;
    gCalls.clear();
  }
  std::vector<std::string> SyncCalls() {
    std::vector<std::string> out;
    for (const auto& c : gCalls)
      if (c.starts_with("Sync")) out.push_back(c);
    return out;
  }
  PDEShellContext shell;
  platform::PrintSession session;
};

TEST_F(ShellFanOut, PanelsGetTabIndicesInLoadOrder) {
  ASSERT_EQ(shell.panelCount(), 6);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(shell.panels[static_cast<size_t>(i)].tabIndex, i + 1);
    EXPECT_EQ(shell.panels[static_cast<size_t>(i)].title, "Panel " + std::to_string(i + 1));
  }
}

TEST_F(ShellFanOut, UnknownGetterAndFailingPrologueAreSkippedWithoutStoppingTheOthers) {
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
  lastTabIndex = 3;
  ASSERT_EQ(PDEShellSync(&shell, &session, false), platform::noErr);
  EXPECT_EQ(SyncCalls(), (std::vector<std::string>{"Sync1:write", "Sync2:write", "Sync4:write", "Sync5:write",
                                                   "Sync6:write", "Sync3:write"}));
  EXPECT_EQ(session.ticket(platform::kPDE_PMPrintSettingsRef)->getInteger("test.SharedKey"), 3);
}

TEST_F(ShellFanOut, LeavingAPanelWritesItFirstThenEveryOtherPanelRereads) {
  lastTabIndex = 2;
  selectPanel(5, &shell);
  EXPECT_EQ(SyncCalls(), (std::vector<std::string>{"Sync2:write", "Sync1:read", "Sync3:read", "Sync4:read",
                                                   "Sync5:read", "Sync6:read"}));
  EXPECT_EQ(lastTabIndex, 5);
  EXPECT_EQ(gSelectedPanelIndex, 5);
  EXPECT_EQ(session.ticket(platform::kPDE_PMPrintSettingsRef)->getInteger("test.SharedKey"), 2);
}

TEST_F(ShellFanOut, ReinitialisingSyncRereadsAndWritesNoClientEntries) {
  ASSERT_EQ(PDEShellSync(&shell, &session, true), platform::noErr);
  EXPECT_EQ(SyncCalls().size(), 6u);
  EXPECT_FALSE(session.ticket(platform::kPDE_PMPrintSettingsRef)->contains(kControllerFamilyKey));
}

TEST_F(ShellFanOut, WritingSyncAddsControllerAndJobTicketOptions) {
  platform::Ticket& ticket = *session.ticket(platform::kPDE_PMPrintSettingsRef);
  ticket.set(kRotateBooklet180DegreesKey, true, "K");
  ASSERT_EQ(PDEShellSync(&shell, &session, false), platform::noErr);
  EXPECT_EQ(*ticket.getString(kControllerFamilyKey), "Prexan");
  EXPECT_EQ(*ticket.getString(kControllerVersionKey), "6.0");
  EXPECT_EQ(*ticket.clientOf(kControllerFamilyKey), "K");
  ASSERT_NE(ticket.getDictionary(kJTKTOptionsKey), nullptr);
  EXPECT_EQ(*ticket.getDictionary(kJTKTOptionsKey), (platform::PlistDict{{"JTKTOptionAll", true}}));
  EXPECT_FALSE(ticket.contains(kRotateBooklet180DegreesKey));
}

TEST_F(ShellFanOut, SyncWithoutContextOrSessionFails) {
  EXPECT_EQ(PDEShellSync(nullptr, &session, false), platform::kPMInvalidPrintSession);
  EXPECT_EQ(PDEShellSync(&shell, nullptr, false), platform::kPMInvalidPrintSession);
  EXPECT_TRUE(SyncCalls().empty());
}

TEST_F(ShellFanOut, FirstOpenOpensEveryPanelAndShowsTheFirst) {
  gSelectedPanelIndex = 0;
  ASSERT_EQ(PDEShellOpen(&shell), platform::noErr);
  EXPECT_EQ(gCalls[0], "Open1");
  EXPECT_EQ(gCalls[5], "Open6");
  EXPECT_EQ(lastTabIndex, 1);
  EXPECT_TRUE(shell.openedOnce);
}

TEST_F(ShellFanOut, ReopeningReturnsToTheLastPanelShown) {
  gSelectedPanelIndex = 0;
  PDEShellOpen(&shell);
  selectPanel(4, &shell);
  PDEShellClose(&shell);
  gCalls.clear();
  PDEShellOpen(&shell);
  EXPECT_EQ(lastTabIndex, 4);
  // The panel left on reopening is the one shown before: it writes first.
  EXPECT_EQ(SyncCalls().front(), "Sync4:write");
}

TEST(ShellOperations, NullContextsAreRefused) {
  EXPECT_EQ(PDEShellOpen(nullptr), platform::kPMInvalidPDEContext);
  EXPECT_EQ(PDEShellClose(nullptr), platform::kPMInvalidPDEContext);
  EXPECT_EQ(PDEShellTerminate(nullptr, 0), platform::kPMInvalidPDEContext);
  EXPECT_EQ(PDEShellGetSummaryText(nullptr, nullptr, nullptr), platform::kPMInvalidPDEContext);
  platform::PrintSession session;
  EXPECT_EQ(PDEShellInitialize(nullptr, nullptr, nullptr, nullptr, &session), platform::kPMInvalidPDEContext);
}

}  // namespace

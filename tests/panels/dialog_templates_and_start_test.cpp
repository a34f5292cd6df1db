// The templates every dialog and panel runs on. The dialog template: Help opens the dialog's
// page, OK answers the edited record, Cancel answers none, and a window that cannot be loaded says
// so (Defaults, the advanced paper selection's test finds). The panel skeleton's Open: the first
// builds and shows, later ones rebuild and show, or answer as the panel's rule says; a build that
// failed is tried again at the next Open. A dialog starts every time the user picks a printer: the
// preference files it reads are parsed again only when they changed, and a file damaged meanwhile
// is still kept aside and reported.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "kit/preference_locations.h"
#include "panels/modal_dialog.h"
#include "panels/panel_skeleton.h"
#include "panels/paper_output/paper_output_test_support.h"
#include "platform/bundle/bundle.h"
#include "platform/preferences/preference_file.h"
#include "platform/ui/scripted_interaction.h"
#include "platform/ui/window.h"
#include "support/test_support.h"

namespace {

namespace ui = platform::ui;

TEST(ModalDialog, HelpOKAndCancelAreTheTemplates) {
  korvo_test::ScopedXdgHome home;
  auto bundle = platform::Bundle::open(korvo_test::BundlePath());
  ASSERT_TRUE(bundle);
  ui::ScriptedInteraction script;
  const DialogWindowNames names{"CustomStockSize", "Custom", "paper_output/paper/db_new_custom_size_dm.htm"};
  // The size dialog's window edits a text: OK adds "+ok".
  auto wire = [](ui::Window&, std::string& edited) -> std::optional<DialogWiring> {
    DialogWiring wiring;
    wiring.collect = [&edited] { edited += "+ok"; };
    return wiring;
  };
  script.onModal([](ui::Window& w, ui::UserDriver& user) {  // Help, then Return
    user.click(*w.find({platform::FourCharCode("CuSz"), 10}));
    user.pressReturn(w);
  });
  script.onModal([](ui::Window& w, ui::UserDriver& user) { user.pressEscape(w); });
  const DialogAnswer<std::string> helped = RunDialog(*bundle, names, std::string("kept"), wire);
  EXPECT_EQ(helped.record, "kept+ok");
  const std::vector<std::string> log = script.log();
  EXPECT_EQ(std::count_if(log.begin(), log.end(),
                          [](const std::string& line) {
                            return line.starts_with("help: ") &&
                                   line.ends_with(" paper_output/paper/db_new_custom_size_dm.htm#");
                          }),
            1);
  const DialogAnswer<std::string> cancelled = RunDialog(*bundle, names, std::string("kept"), wire);
  EXPECT_EQ(cancelled.status, platform::noErr);
  EXPECT_FALSE(cancelled.record);

  const DialogAnswer<std::string> missing = RunDialog(*bundle, {"CustomStockSize", "NoSuchWindow", {}}, std::string(), wire);
  EXPECT_EQ(missing.status, kDialogNotLoadedErr);
  EXPECT_FALSE(missing.record);
}


struct CountingContext : PanelContext {
  std::string calls;  // b: build, r: rebuild, s: values shown
  platform::OSStatus buildStatus = platform::noErr;
};

struct RebuildingPanel {
  using Context = CountingContext;
  static constexpr const char* kTitleKey = "Advanced";
  static platform::OSStatus Build(Context& c) {
    c.calls += 'b';
    return c.buildStatus;
  }
  static void Rebuild(Context& c) { c.calls += 'r'; }
  static void ShowValues(Context& c) { c.calls += 's'; }
};

struct BuiltOncePanel : RebuildingPanel {
  static constexpr PanelOpenRule kOpenRule{.withoutPane = -1, .reportsFailedBuild = false, .showsAgain = false,
                                           .laterOpen = platform::kPMInvalidPDEContext};
};

template <class Panel>
platform::OSStatus Open(CountingContext& c) {
  return PanelSkeleton<Panel>::Open(&c);
}

TEST(PanelSkeleton, TheFirstOpenBuildsAndLaterOnesAnswerByThePanelsRule) {
  auto bundle = platform::Bundle::open(korvo_test::BundlePath());
  ASSERT_TRUE(bundle);
  ui::Control pane(ui::ControlKind::UserPane, {}, {});
  CountingContext c;
  c.bundle = *bundle;
  EXPECT_EQ(Open<RebuildingPanel>(c), platform::noErr);  // no pane: nothing to build on
  EXPECT_EQ(Open<BuiltOncePanel>(c), -1);
  EXPECT_EQ(c.calls, "");
  c.pane = &pane;
  c.buildStatus = platform::fnfErr;
  EXPECT_EQ(Open<RebuildingPanel>(c), platform::fnfErr);
  EXPECT_EQ(Open<BuiltOncePanel>(c), platform::noErr);
  EXPECT_FALSE(c.opened);
  c.buildStatus = platform::noErr;
  EXPECT_EQ(Open<RebuildingPanel>(c), platform::noErr);
  EXPECT_TRUE(c.opened);
  EXPECT_EQ(Open<RebuildingPanel>(c), platform::noErr);
  EXPECT_EQ(Open<BuiltOncePanel>(c), platform::kPMInvalidPDEContext);
  EXPECT_EQ(c.calls, "bbbsrs");
  EXPECT_EQ(PanelSkeleton<RebuildingPanel>::Open(nullptr), platform::kPMInvalidPDEContext);
}

class DialogStartReads : public ::testing::Test {
 protected:
  // Prologue, Initialize, Close and Terminate, as picking the printer and closing the dialog do;
  // answers how many preference files were parsed meanwhile.
  unsigned StartAndEnd() {
    const unsigned before = platform::PreferenceFilesParsed();
    platform::PrintSession session = korvo_test::SessionOn(korvo_test::SamplePPDPath());
    { korvo_test::PluginDialog dialog(session, false); }
    return platform::PreferenceFilesParsed() - before;
  }
  std::string watermarks() const { return *CopyPreferenceFileURL(kWatermarkFileName); }

  korvo_test::ScopedXdgHome home_;
};

TEST_F(DialogStartReads, AnUnchangedFileIsNotParsedAgainAndAChangedOneIs) {
  StartAndEnd();  // makes the default watermarks and reads them
  ASSERT_TRUE(std::filesystem::exists(watermarks()));
  EXPECT_EQ(StartAndEnd(), 0u);

  // Rewritten in place by another program, same size: a new change time.
  std::string bytes = korvo_test::ReadFile(watermarks());
  const std::size_t at = bytes.find("Draft");
  ASSERT_NE(at, std::string::npos);
  bytes.replace(at, 5, "DRAFT");
  korvo_test::WriteFile(watermarks(), bytes);
  EXPECT_GE(StartAndEnd(), 1u);
  EXPECT_EQ(StartAndEnd(), 0u);
}

TEST_F(DialogStartReads, AFileDamagedAfterAReadIsStillKeptAsideAndReported) {
  StartAndEnd();
  const std::string damaged = "<?xml version=\"1.0\"?><plist><dict><key>x";
  korvo_test::WriteFile(watermarks(), damaged);
  testing::internal::CaptureStderr();
  StartAndEnd();
  const std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("ERROR: " + watermarks() + ": not a readable property list"), std::string::npos) << log;
  bool kept = false;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(watermarks()).parent_path()))
    kept = kept || korvo_test::ReadFile(entry.path().string()) == damaged;
  EXPECT_TRUE(kept);
}

}  // namespace

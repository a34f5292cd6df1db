// The skeleton's Open: the first builds and shows, later ones rebuild and show, or answer as the
// panel's rule says; a build that failed is tried again at the next Open.
#include <gtest/gtest.h>

#include <string>

#include "panels/panel_skeleton.h"
#include "platform/bundle/bundle.h"
#include "support/test_support.h"

namespace {

namespace ui = platform::ui;

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

}  // namespace

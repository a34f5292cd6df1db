// The helpers on controls and dialogs: localised labels with their arguments, icons drawn centred,
// and help. Summary views, sizing to a label, tab panes and embedding are the panels' own
// (tests/panels, and the layout check for sizes).
#include "kit/control_helpers.h"

#include <gtest/gtest.h>

#include "kit/dialog_services.h"
#include "platform/ui/scripted_interaction.h"
#include "support/test_support.h"

namespace {

using namespace platform::ui;

// A bundle with a fresh identifier (bundles stay registered for the process), an English table
// and a picture whose PNG header says it is 16 by 10.
platform::Bundle* MakeBundle(const korvo_test::TempDir& dir) {
  auto bundle = platform::Bundle::open(korvo_test::MakeBundle(
      dir, "Helpers", "",
      {{"en.lproj/Localizable.po", "msgid \"Pages\"\nmsgstr \"Page %d of %@\"\n"},
       {"Arrow.png", std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\0\x10\0\0\0\x0A", 24)},
       {"Broken.png", "not a picture"}}));
  return bundle ? *bundle : nullptr;
}

class ControlHelpers : public ::testing::Test {
 protected:
  ControlHelpers() : bundle(MakeBundle(dir)), window("Dialog", Rect{0, 0, 400, 300}) {}
  Control* Add(ControlKind kind, Rect bounds = {}) {
    return window.content().embed(std::make_unique<Control>(kind, ControlID{1, ++lastId}, bounds));
  }
  korvo_test::TempDir dir;
  platform::Bundle* bundle;
  Window window;
  int lastId = 0;
};

TEST(FormatLocalizedText, FillsDirectivesAndNeverReadsArgumentsAsAFormat) {
  EXPECT_EQ(FormatLocalizedText("Page %d of %@, 100%%", {std::int64_t{3}, std::string("%d%@")}), "Page 3 of %d%@, 100%");
  EXPECT_EQ(FormatLocalizedText("%2$@ before %1$@", {std::int64_t{7}, std::string("A")}), "A before 7");
  // What cannot be filled is kept as written.
  EXPECT_EQ(FormatLocalizedText("%@ and %@; %d; %x", {std::string("one")}), "one and %@; %d; %x");
}

TEST_F(ControlHelpers, LabelsAndTitlesAreLocalisedFormattedAndRedrawn) {
  ASSERT_NE(bundle, nullptr);
  Control* label = Add(ControlKind::StaticText);
  int drawn = 0;
  auto counter = label->installHandler({{kEventClassControl, kEventControlDraw}}, [&](Event&) { return ++drawn, platform::noErr; });
  EXPECT_EQ(SetLocalizedStaticText(bundle, "Pages", label, {std::int64_t{2}, std::string("5")}), platform::noErr);
  EXPECT_EQ(label->text(), "Page 2 of 5");
  EXPECT_EQ(drawn, 1);
  SetLocalizedControlTitle(bundle, "No Such Key", label);
  EXPECT_EQ(label->title(), "STRING NOT FOUND");
  EXPECT_EQ(SetLocalizedStaticText(nullptr, "Pages", label), platform::paramErr);
  EXPECT_EQ(SetLocalizedStaticText(bundle, nullptr, label), platform::paramErr);
  EXPECT_EQ(label->text(), "Page 2 of 5");
}

TEST_F(ControlHelpers, AnIconDrawsItsPictureCentredUnscaledOnAnErasedBackgroundWhenDrawn) {
  Control* icon = Add(ControlKind::Picture, Rect{5, 5, 40, 30});
  ASSERT_EQ(InitializeIcon(bundle, icon), platform::noErr);
  const std::string arrow = bundle->resourcesPath() + "/Arrow.png";
  icon->setPicture("Arrow.png");
  DrawControl(*icon);
  DrawControl(*icon);
  EXPECT_EQ(ImagesDrawnIn(*icon), (std::vector<DrawnImage>{{arrow, {17, 15, 16, 10}}}));
  icon->setBounds(Rect{0, 0, 10, 6});  // smaller than the picture, which overhangs it
  DrawControl(*icon);
  EXPECT_EQ(ImagesDrawnIn(*icon), (std::vector<DrawnImage>{{arrow, {-3, -2, 16, 10}}}));
  for (const char* unusable : {"Broken.png", "Gone.png"}) {
    icon->setPicture(unusable);
    DrawControl(*icon);
    EXPECT_TRUE(ImagesDrawnIn(*icon).empty()) << unusable;
  }
  icon->setPicture("Arrow.png");
  icon->setVisible(false);
  DrawControl(*icon);  // a hidden control is not drawn
  EXPECT_TRUE(ImagesDrawnIn(*icon).empty());
  EXPECT_EQ(InitializeIcon(bundle, nullptr), platform::paramErr);
}

namespace ui = platform::ui;

TEST(ShellServices, HelpNeedsTheBundlesHelpBook) {
  ui::ScriptedInteraction script;
  EXPECT_EQ(DisplayHelp(nullptr, "", ""), platform::paramErr);
  auto bundle = platform::Bundle::open(korvo_test::BundlePath());
  ASSERT_TRUE(bundle);
  // A page the book lacks opens nothing and says so (a page it has, the Help buttons' tests open;
  // pages are found letter case aside in bundle_help_book_test).
  EXPECT_EQ(DisplayHelp(*bundle, "paper_output/no_such_page.htm", ""), platform::fnfErr);
  EXPECT_TRUE(script.log().empty());

  korvo_test::TempDir dir;
  auto noBook = platform::Bundle::open(
      korvo_test::MakeBundle(dir, "NoBook", "<key>CFBundleHelpBookName</key><integer>3</integer>"));
  ASSERT_TRUE(noBook) << noBook.error();
  EXPECT_EQ(DisplayHelp(*noBook, "", "anchor"), platform::paramErr);
}

}  // namespace

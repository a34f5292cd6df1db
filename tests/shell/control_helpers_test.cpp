// The helpers on controls: localised labels with their arguments, the summary view, sizing to a
// label, and pictures drawn centred into controls.
#include "shell/control_helpers.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ui/user_driver.h"
#include "support/test_support.h"

namespace {

using namespace platform::ui;

// A bundle with a fresh identifier (bundles stay registered for the process), an English table
// and the given picture files.
platform::Bundle* MakeBundle(const korvo_test::TempDir& dir, const std::string& po,
                             const std::map<std::string, std::string>& resources = {}) {
  const std::string path = dir.file("Helpers.plugin");
  std::filesystem::create_directories(path + "/Contents/Resources/en.lproj");
  const std::string identifier = "test.helpers." + std::filesystem::path(dir.path()).filename().string();
  korvo_test::WriteFile(path + "/Contents/Info.plist",
                        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                        "<key>CFBundleIdentifier</key><string>" + identifier + "</string>"
                        "<key>CFBundleDevelopmentRegion</key><string>en</string></dict></plist>\n");
  korvo_test::WriteFile(path + "/Contents/Resources/en.lproj/Localizable.po", po);
  for (const auto& [name, bytes] : resources) korvo_test::WriteFile(path + "/Contents/Resources/" + name, bytes);
  auto bundle = platform::Bundle::open(path);
  return bundle ? *bundle : nullptr;
}

// The start of a PNG file as far as its header chunk, which gives the picture's size.
std::string PNGHeader(unsigned width, unsigned height) {
  std::string bytes("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16);
  for (unsigned v : {width, height})
    for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<char>((v >> shift) & 0xFF));
  bytes += std::string("\x08\x06\0\0\0", 5);
  return bytes;
}

const char* kTable =
    "msgid \"Pages\"\nmsgstr \"Page %d of %@\"\n\n"
    "msgid \"Swapped\"\nmsgstr \"%2$@ before %1$@\"\n\n"
    "msgid \"Stock Title\"\nmsgstr \"Stock Set-up\"\n";

class ControlHelpers : public ::testing::Test {
 protected:
  ControlHelpers() : window("Dialog", Rect{0, 0, 400, 300}) {
    bundle = MakeBundle(dir, kTable, {{"Arrow.png", PNGHeader(16, 10)}, {"Broken.png", "not a picture"}});
    label = window.content().embed(std::make_unique<Control>(ControlKind::StaticText, ControlID{1, 1}, Rect{10, 20, 50, 16}));
    draws = label->installHandler({{kEventClassControl, kEventControlDraw}}, [this](Event&) {
      ++drawn;
      return platform::eventNotHandledErr;
    });
  }
  korvo_test::TempDir dir;
  platform::Bundle* bundle;
  Window window;
  Control* label;
  int drawn = 0;
  EventHandlerRef draws;
};

TEST(FormatLocalizedText, FillsDirectivesInOrderOrByPosition) {
  EXPECT_EQ(FormatLocalizedText("Page %d of %@", {std::int64_t{3}, std::string("Cover")}), "Page 3 of Cover");
  EXPECT_EQ(FormatLocalizedText("%2$@ before %1$@, %1$d", {std::int64_t{7}, std::string("A")}), "A before 7, 7");
  EXPECT_EQ(FormatLocalizedText("100%% and %@", {std::int64_t{-2}}), "100% and -2");
}

TEST(FormatLocalizedText, NeverReadsTheArgumentsAsAFormat) {
  EXPECT_EQ(FormatLocalizedText("Name: %@", {std::string("%d%@%%")}), "Name: %d%@%%");
}

TEST(FormatLocalizedText, KeepsDirectivesItCannotFill) {
  EXPECT_EQ(FormatLocalizedText("%@ and %@", {std::string("one")}), "one and %@");
  EXPECT_EQ(FormatLocalizedText("%d copies", {std::string("five")}), "%d copies");
  EXPECT_EQ(FormatLocalizedText("%5$@ %x %", {std::string("a")}), "%5$@ %x %");
}

TEST_F(ControlHelpers, ShowsTheLocalisedTextAndRedrawsIt) {
  ASSERT_NE(bundle, nullptr);
  EXPECT_EQ(SetLocalizedStaticText(bundle, "Pages", label, {std::int64_t{2}, std::string("5")}), platform::noErr);
  EXPECT_EQ(label->text(), "Page 2 of 5");
  EXPECT_EQ(drawn, 1);
  SetLocalizedStaticText(bundle, "No Such Key", label);
  EXPECT_EQ(label->text(), "STRING NOT FOUND");
}

TEST_F(ControlHelpers, DoNothingWithoutABundleAKeyOrATarget) {
  label->setText("before");
  EXPECT_EQ(SetLocalizedStaticText(nullptr, "Pages", label), platform::paramErr);
  EXPECT_EQ(SetLocalizedStaticText(bundle, nullptr, label), platform::paramErr);
  EXPECT_EQ(SetLocalizedControlTitle(bundle, "Pages", nullptr), platform::paramErr);
  EXPECT_EQ(SetLocalizedWindowTitle(bundle, "Pages", nullptr), platform::paramErr);
  EXPECT_EQ(label->text(), "before");
  EXPECT_EQ(drawn, 0);
}

TEST_F(ControlHelpers, TitlesOfControlsWindowsAndMenuItems) {
  Control* popup = window.content().embed(std::make_unique<Control>(ControlKind::PopupButton, ControlID{1, 2}, Rect{}));
  popup->menu().append(MenuItem("one"));
  popup->menu().append(MenuItem("two"));
  EXPECT_EQ(SetLocalizedControlTitle(bundle, "Swapped", popup, {std::string("x"), std::string("y")}), platform::noErr);
  EXPECT_EQ(popup->title(), "y before x");
  EXPECT_EQ(SetLocalizedWindowTitle(bundle, "Stock Title", &window), platform::noErr);
  EXPECT_EQ(window.title(), "Stock Set-up");
  EXPECT_EQ(SetLocalizedMenuTitle(bundle, "Pages", &popup->menu(), 2, {std::int64_t{1}, std::int64_t{9}}),
            platform::noErr);
  EXPECT_EQ(popup->menu().item(2)->text, "Page 1 of 9");
  EXPECT_EQ(popup->menu().item(1)->text, "one");
  EXPECT_EQ(SetLocalizedMenuTitle(bundle, "Pages", &popup->menu(), 3), platform::paramErr);
}

TEST_F(ControlHelpers, TheSummaryViewTakesNewTextAndStaysReadOnly) {
  Control* summary = window.content().embed(std::make_unique<Control>(ControlKind::TextView, ControlID{1, 3}, Rect{}));
  summary->setText("old");
  summary->setLocked(true);
  EXPECT_EQ(UpdateSummaryTextView(summary, "Paper: Letter\nCopies: 2"), platform::noErr);
  EXPECT_EQ(summary->text(), "Paper: Letter\nCopies: 2");
  EXPECT_TRUE(summary->locked());
  EXPECT_EQ(UpdateSummaryTextView(summary, nullptr), platform::paramErr);
  EXPECT_EQ(summary->text(), "Paper: Letter\nCopies: 2");
  EXPECT_EQ(UpdateSummaryTextView(nullptr, "x"), platform::paramErr);
}

TEST_F(ControlHelpers, BestRectsFollowTheLabelAndKeepThePlace) {
  Control* box = window.content().embed(std::make_unique<Control>(ControlKind::CheckBox, ControlID{1, 4}, Rect{30, 40, 5, 5}));
  box->setTitle("Collate");
  SetControlBestRect(box);
  const Rect shortLabel = box->bounds();
  box->setTitle("Collate the copies of every set");
  SetControlBestRect(box);
  EXPECT_GT(box->bounds().width, shortLabel.width);
  EXPECT_EQ(box->bounds().x, 30);
  EXPECT_EQ(box->bounds().y, 40);

  label->setText("One line");
  SetControlBestRect(label);
  const Rect oneLine = label->bounds();
  label->setText("One line\nand a second");
  SetControlBestRect(label);
  EXPECT_GT(label->bounds().height, oneLine.height);
  EXPECT_GT(label->bounds().width, oneLine.width);  // the second line is the wider

  Control* popup = window.content().embed(std::make_unique<Control>(ControlKind::PopupButton, ControlID{1, 5}, Rect{}));
  popup->menu().append(MenuItem("A4"));
  SetControlBestRect(popup);
  const int narrow = popup->bounds().width;
  popup->menu().append(MenuItem("Tabloid Extra (12 x 18 in)"));
  SetControlBestRect(popup);
  EXPECT_GT(popup->bounds().width, narrow);
  EXPECT_EQ(SetControlBestRect(nullptr), platform::paramErr);
}

TEST_F(ControlHelpers, PicturesAreDrawnCentredAtTheirNaturalSize) {
  Control* picture = window.content().embed(std::make_unique<Control>(ControlKind::Picture, ControlID{1, 6}, Rect{5, 5, 40, 30}));
  const std::string arrow = bundle->resourcesPath() + "/Arrow.png";
  ASSERT_EQ(DrawImage(bundle, "Arrow.png", picture, false), platform::noErr);
  EXPECT_EQ(ImagesDrawnIn(*picture), (std::vector<DrawnImage>{{arrow, Rect{17, 15, 16, 10}}}));
  picture->setBounds(Rect{0, 0, 10, 6});  // smaller than the picture: it overhangs, unscaled
  DrawImage(bundle, "Arrow.png", picture, true);
  EXPECT_EQ(ImagesDrawnIn(*picture),
            (std::vector<DrawnImage>{{arrow, Rect{17, 15, 16, 10}}, {arrow, Rect{-3, -2, 16, 10}}}));
}

TEST_F(ControlHelpers, AMissingPictureDrawsNothingButTheBackgroundIsStillErased) {
  Control* picture = window.content().embed(std::make_unique<Control>(ControlKind::Picture, ControlID{1, 6}, Rect{0, 0, 40, 30}));
  DrawImage(bundle, "Arrow.png", picture, false);
  EXPECT_EQ(DrawImage(bundle, "Arrow.png", picture, true), platform::noErr);
  EXPECT_EQ(ImagesDrawnIn(*picture).size(), 2u);
  EXPECT_EQ(DrawImage(bundle, "Broken.png", picture, true), platform::ioErr);
  EXPECT_EQ(ImagesDrawnIn(*picture).size(), 2u);
  EXPECT_EQ(DrawImage(bundle, "Gone.png", picture, false), platform::fnfErr);
  EXPECT_TRUE(ImagesDrawnIn(*picture).empty());
  EXPECT_EQ(DrawImage(bundle, nullptr, picture, false), platform::fnfErr);
  EXPECT_EQ(DrawImage(bundle, "Arrow.png", nullptr, false), platform::paramErr);
}

TEST_F(ControlHelpers, AnIconDrawsThePictureNamedOnItWheneverItIsDrawn) {
  Control* icon = window.content().embed(std::make_unique<Control>(ControlKind::Picture, ControlID{1, 7}, Rect{0, 0, 16, 10}));
  ASSERT_EQ(InitializeIcon(bundle, icon), platform::noErr);
  EXPECT_TRUE(ImagesDrawnIn(*icon).empty());  // nothing until it is drawn
  icon->setPicture("Arrow.png");
  DrawControl(*icon);
  DrawControl(*icon);  // each drawing erases first
  ASSERT_EQ(ImagesDrawnIn(*icon).size(), 1u);
  EXPECT_EQ(ImagesDrawnIn(*icon)[0].rect, (Rect{0, 0, 16, 10}));
  icon->setPicture("Gone.png");
  icon->setVisible(false);
  DrawControl(*icon);  // a hidden control is not drawn
  EXPECT_EQ(ImagesDrawnIn(*icon).size(), 1u);
  icon->setVisible(true);
  DrawControl(*icon);
  EXPECT_TRUE(ImagesDrawnIn(*icon).empty());
  EXPECT_EQ(InitializeIcon(bundle, nullptr), platform::paramErr);
}

}  // namespace

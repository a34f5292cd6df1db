// The watermark editor opened from the panel's pop-up, clicked through as a user would: what OK
// files, what a refusal or Cancel leaves untouched (the watermark file compared byte for byte),
// and the preview drawn from the fields.
#include <gtest/gtest.h>

#include "kit/preference_locations.h"
#include "panels/paper_output/paper_output_test_support.h"
#include "platform/ui/drawn_images.h"
#include "platform/ui/scripted_interaction.h"
#include "watermark/watermark_file.h"

namespace {

namespace ui = platform::ui;
using korvo_test::In;
using korvo_test::PluginDialog;
using korvo_test::Retype;

class WatermarkEditor : public korvo_test::DialogTest {
 protected:
  void SetUp() override { ASSERT_EQ(dialog.choose("Panel", "Booklet/Watermark"), platform::noErr); }
  PluginDialog dialog{session};
  static std::string WatermarkFile() {
    return std::string(std::getenv("XDG_DATA_HOME")) + "/Korvo/" + kWatermarkFileName;
  }
  static std::string PreviewBytes(ui::Window& window) {
    const auto drawn = ui::ImagesDrawnIn(*window.content().find({platform::FourCharCode("KWEd"), 24}));
    return drawn.size() == 1 ? korvo_test::ReadFile(drawn[0].path) : std::string();
  }
  static std::vector<std::string> Names() {
    std::vector<std::string> names;
    EXPECT_EQ(loadWatermarkList(kWatermarkFileName, &names), WatermarkResult::kDone);
    return names;
  }
};

TEST_F(WatermarkEditor, NewFilesTheWatermarkOnOKAndChoosesIt) {
  script.onModal([](ui::Window& window, ui::UserDriver& user) {
    EXPECT_EQ(window.title(), "Watermark Editor");
    EXPECT_EQ(user.type(In(window, "Text"), "Proof"), platform::noErr);
    Retype(user, In(window, "Angle"), "30");
    Retype(user, In(window, "XOffset"), "9");
    user.focus(In(window, "Angle"));
    EXPECT_EQ(In(window, "XOffset").text(), "4.25");  // half a Letter page, no further
    Retype(user, In(window, "XOffset"), "1.00");
    // Millimetres convert the offset the field holds; the record keeps inches.
    EXPECT_EQ(user.click(*In(window, "Units").children()[1]), platform::noErr);
    EXPECT_EQ(In(window, "XOffset").text(), "25.4");
    // Fonts are listed by the names people know them by; the record keeps the PostScript name.
    EXPECT_EQ(In(window, "Font").selectedItem()->text, "Arial");
    EXPECT_EQ(user.chooseItem(In(window, "Font"), 5), platform::noErr);
    EXPECT_EQ(In(window, "Font").selectedItem()->text, "Times New Roman");
    user.pressReturn(window);
  });
  ASSERT_EQ(dialog.choose("Watermark", "New..."), platform::noErr);
  EXPECT_TRUE(script.scriptUsedUp());  // (filed last and chosen: korvo-pde set's to check)
  WatermarkData proof;
  ASSERT_EQ(loadWatermarkData(kWatermarkFileName, "Proof", &proof), WatermarkResult::kDone);
  EXPECT_EQ(proof.density, 25);
  EXPECT_EQ(proof.units, 1);
  EXPECT_FLOAT_EQ(proof.xOffset, 1.0f);
  EXPECT_EQ(proof.fontName, "TimesNewRomanPSMT");
}

// A name another watermark has, in any letter case, would be one watermark to the ticket; a text
// longer than the file's field is said so, not cut. Either way the editor stays open and Cancel
// leaves the file as it was.
TEST_F(WatermarkEditor, ATakenNameOrAnOverlongTextIsRefusedAndNothingChanges) {
  ASSERT_EQ(dialog.choose("Watermark", "Draft"), platform::noErr);
  const std::string before = korvo_test::ReadFile(WatermarkFile());
  const std::string overlong(512, 'x');
  for (const std::string& text : {std::string("confidential"), overlong}) {
    script.onModal([&text](ui::Window& window, ui::UserDriver& user) {
      EXPECT_EQ(user.type(In(window, "Text"), text), platform::noErr);
      user.pressReturn(window);
      EXPECT_FALSE(window.modalResult());  // refused: still open
    });
    script.onModal([](ui::Window& window, ui::UserDriver& user) { user.pressEscape(window); });
    ASSERT_EQ(dialog.choose("Watermark", "New..."), platform::noErr);
    EXPECT_TRUE(script.scriptUsedUp());
  }
  ASSERT_EQ(script.alerts().size(), 2u);
  EXPECT_EQ(script.alerts()[0].title, "The watermark could not be saved.");
  EXPECT_NE(script.alerts()[0].message.find("\"Confidential\" exists already"), std::string::npos);
  EXPECT_EQ(script.alerts()[1].title, "The watermark text is too long.");

  // Renaming Draft to another's name in other case is refused the same way.
  script.onModal([](ui::Window& window, ui::UserDriver& user) {
    Retype(user, In(window, "Text"), "COPY");
    user.pressReturn(window);
    user.pressEscape(window);
  });
  ASSERT_EQ(dialog.choose("Watermark", "Edit..."), platform::noErr);
  EXPECT_EQ(script.alerts().size(), 3u);
  EXPECT_EQ(korvo_test::ReadFile(WatermarkFile()), before);
  EXPECT_EQ(dialog.named("Watermark").selectedItem()->text, "Draft");
}

// The editor's preview follows the fields but files nothing: Cancel after it leaves the file
// byte-identical. Edit's OK renames the watermark in its place.
TEST_F(WatermarkEditor, ThePreviewFollowsTheAngleAndFilesNothingUntilOK) {
  ASSERT_EQ(dialog.choose("Watermark", "Draft"), platform::noErr);  // the panel's drawing files its glyphs
  const std::string before = korvo_test::ReadFile(WatermarkFile());
  std::string at45, at10;
  script.onModal([&](ui::Window& window, ui::UserDriver& user) {
    EXPECT_EQ(window.title(), "Edit Watermark");
    at45 = PreviewBytes(window);
    Retype(user, In(window, "Angle"), "10");
    Retype(user, In(window, "Text"), "Draft Two");
    at10 = PreviewBytes(window);
    user.pressEscape(window);
  });
  ASSERT_EQ(dialog.choose("Watermark", "Edit..."), platform::noErr);
  EXPECT_EQ(at45.substr(0, 4), "\x89PNG");
  EXPECT_FALSE(at10.empty());
  EXPECT_NE(at45, at10);
  EXPECT_EQ(korvo_test::ReadFile(WatermarkFile()), before);

  script.onModal([](ui::Window& window, ui::UserDriver& user) {
    Retype(user, In(window, "Text"), "Sketch");
    user.pressReturn(window);
  });
  ASSERT_EQ(dialog.choose("Watermark", "Edit..."), platform::noErr);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Sketch", "Confidential", "Copy"}));
  EXPECT_EQ(dialog.named("Watermark").selectedItem()->text, "Sketch");
}

TEST_F(WatermarkEditor, APictureIsFiledUnderItsFileName) {
  const std::string picture = korvo_test::DataPath("../../resources/JobType_Fax.png");
  script.onModal([&picture](ui::Window& window, ui::UserDriver& user) {
    const std::string blank = PreviewBytes(window);
    EXPECT_EQ(user.click(*In(window, "WatermarkKind").children()[1]), platform::noErr);
    EXPECT_FALSE(In(window, "Text").isReallyEnabled());
    EXPECT_EQ(user.type(In(window, "PictureFile"), picture), platform::noErr);
    Retype(user, In(window, "Scale"), "50");
    EXPECT_NE(PreviewBytes(window), blank);
    user.pressReturn(window);
  });
  ASSERT_EQ(dialog.choose("Watermark", "New..."), platform::noErr);
  EXPECT_EQ(Names().back(), "JobType_Fax.png");
  WatermarkData record;
  ASSERT_EQ(loadWatermarkData(kWatermarkFileName, "JobType_Fax.png", &record), WatermarkResult::kDone);
  EXPECT_EQ(record.filePath, picture);
  EXPECT_EQ(record.scale, 50);
  EXPECT_TRUE(record.textString.empty());
}

}  // namespace

// The Image Options panel driven as a user drives it: each pop-up's choice reaches the ticket and
// the picture, Printer Default takes the entry away, the curve combo box names and clears the
// tone curve, and mirror image reaches its dictionary.
#include <gtest/gtest.h>

#include "model/image_options_keys.h"
#include "panels/image_options/image_options_test_support.h"
#include "panels/paper_output/paper_output_test_support.h"
#include "platform/ui/user_choice.h"

namespace {

namespace ui = platform::ui;
using korvo_test::PluginDialog;

class ImageOptionsPanel : public ::testing::Test {
 protected:
  korvo_test::ScopedXdgHome home;
  platform::PrintSession session = korvo_test::SessionOn(korvo_test::SamplePPDPath());
  platform::Ticket& settings() { return *session.ticket(platform::kPDE_PMPrintSettingsRef); }
  ImageOptionsContext& panel() { return korvo_test::ImageOptionsPanelContext(); }

  // The control named so, brought to the front through the shell's panel pop-up, given value.
  static platform::OSStatus Set(PluginDialog& dialog, const std::string& name, const std::string& value) {
    ui::Control& control = dialog.named(name);
    if (platform::OSStatus status = dialog.user().bringToFront(control); status != platform::noErr) return status;
    return ui::ChooseLabel(control, dialog.user(), value);
  }
  std::optional<std::int64_t> Written(PluginDialog& dialog, const char* key) {
    dialog.sync(false);
    return settings().getInteger(key);
  }
};

TEST_F(ImageOptionsPanel, EachPopupChoiceReachesTheTicketAndItsPicture) {
  PluginDialog dialog(session);
  struct Case {
    const char* control;
    const char* item;
    const char* key;
    std::int64_t value;
    ui::Control* ImageOptionsControls::*picture;
    const char* pictureFile;
  };
  const Case cases[] = {
      {"AntiAliasing", "On", kAntialiasingKey, 2, &ImageOptionsControls::antialiasingPicture,
       "ImageOptions_AntiAliasing_On.png"},
      {"AntiAliasing", "Off", kAntialiasingKey, 1, &ImageOptionsControls::antialiasingPicture,
       "ImageOptions_AntiAliasing_Off.png"},
      {"Resolution", "600 x 600 Resolution", kResolutionKey, 2, &ImageOptionsControls::resolutionPicture,
       "ImageOptions_Resolution_600.png"},
      {"Halftone", "600 Dot", kHalftoneScreenKey, 12, &ImageOptionsControls::halftonePicture,
       "ImageOptions_Halftone.png"},
      {"Halftone", "Stochastic", kHalftoneScreenKey, 14, &ImageOptionsControls::halftonePicture,
       "ImageOptions_Halftone.png"},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(Set(dialog, c.control, c.item), platform::noErr) << c.item;
    EXPECT_EQ(Written(dialog, c.key), c.value) << c.item;
    EXPECT_EQ((panel().controls.*c.picture)->picture(), c.pictureFile) << c.item;
  }
}

TEST_F(ImageOptionsPanel, PrinterDefaultRemovesWhatWasChosenBefore) {
  settings().set(kHalftoneScreenKey, 12, "K");
  settings().set(kAntialiasingKey, 2, "K");
  settings().set(kImageShiftOptionsJobKey, platform::PlistDict{{"Option", 1}, {"X1", 2540}, {"FullPrecision", true}}, "K");
  ui::ScriptedInteraction script;
  PluginDialog dialog(session);
  EXPECT_EQ(panel().halftone, 12);
  EXPECT_EQ(panel().imageShift.x1, 100);
  ASSERT_EQ(Set(dialog, "Halftone", "Printer Default"), platform::noErr);
  ASSERT_EQ(Set(dialog, "AntiAliasing", "Printer Default"), platform::noErr);
  script.onModal(korvo_test::Act({{"Option", "Printer Default"}}));
  ASSERT_EQ(Set(dialog, "ImageShiftSetup", "click"), platform::noErr);
  dialog.sync(false);
  EXPECT_FALSE(settings().contains(kHalftoneScreenKey));
  EXPECT_FALSE(settings().contains(kAntialiasingKey));
  EXPECT_FALSE(settings().contains(kImageShiftOptionsJobKey));
  EXPECT_EQ(panel().controls.halftonePicture->picture(), "ImageOptions_Halftone_PrnDef.png");
  dialog.sync(true);  // nothing comes back from an earlier choice
  EXPECT_EQ(panel().halftone, kPrinterDefault);
  EXPECT_EQ(panel().antialiasing, kPrinterDefault);
  EXPECT_EQ(panel().imageShift.option, kImageShiftPrinterDefault);
}

TEST_F(ImageOptionsPanel, ResolutionIsAlwaysWrittenAndAValueTheMenuLacksSurvivesOtherChoices) {
  {
    PluginDialog dialog(session);
    EXPECT_EQ(Written(dialog, kResolutionKey), kPrinterDefault);
  }
  settings().set(kResolutionKey, 4, "K");  // 1200 dpi: the sample's menu does not offer it
  PluginDialog dialog(session);
  ASSERT_EQ(Set(dialog, "Halftone", "150 Dot"), platform::noErr);
  EXPECT_EQ(Written(dialog, kResolutionKey), 4);
  EXPECT_EQ(panel().controls.resolutionPicture->picture(), "ImageOptions_Resolution_1200.png");
}

TEST_F(ImageOptionsPanel, TheCurveComboNamesAndClearsTheCurveAndRemembersIt) {
  {
    PluginDialog dialog(session);
    ASSERT_EQ(Set(dialog, "Curve", "Warm Skin"), platform::noErr);
    dialog.sync(false);
    const platform::PlistDict* color = settings().getDictionary(kFullColorOptionsKey);
    ASSERT_NE(color, nullptr);
    EXPECT_EQ(*platform::PlistDictFind(*color, "FCTRC")->asString(), "Warm Skin");
  }
  PluginDialog dialog(session);  // the name typed before is offered again
  ui::Control& curve = dialog.named("Curve");
  EXPECT_EQ(curve.text(), "Warm Skin");
  EXPECT_NE(korvo_test::ItemNumber(curve.menu(), "Warm Skin"), 0);
  ASSERT_EQ(Set(dialog, "Curve", "Printer Default"), platform::noErr);
  dialog.sync(false);
  EXPECT_FALSE(settings().getDictionary(kFullColorOptionsKey)->contains("FCTRC"));
}

TEST_F(ImageOptionsPanel, MirrorImageReachesInvertImageOptions) {
  PluginDialog dialog(session);
  ASSERT_EQ(Set(dialog, "MirrorImage", "on"), platform::noErr);
  dialog.sync(false);
  const platform::PlistDict* invert = settings().getDictionary(kInvertImageOptionsKey);
  ASSERT_NE(invert, nullptr);
  EXPECT_EQ(*platform::PlistDictFind(*invert, kMirrorImageKey)->asInteger(), 1);
  EXPECT_EQ(*platform::PlistDictFind(*invert, kNegativeImageKey)->asInteger(), 0);
  EXPECT_EQ(panel().controls.invertPicture->picture(), "ImageOptions_InvertImage_Mirror.png");
}

}  // namespace

// The Image Options panel driven as a user drives it: each pop-up's choice reaches the ticket and
// the picture, Printer Default takes the entry away, the curve combo box names and clears the
// tone curve, and mirror image reaches its dictionary.
#include <gtest/gtest.h>

#include "model/image_options_keys.h"
#include "panels/image_options/image_options_test_support.h"
#include "panels/paper_output/paper_output_test_support.h"

namespace {

namespace ui = platform::ui;
using korvo_test::PluginDialog;

class ImageOptionsPanel : public korvo_test::DialogTest {
 protected:
  ImageOptionsPanel() : DialogTest(korvo_test::SamplePPDPath()) {}
  ImageOptionsContext& panel() { return korvo_test::ImageOptionsPanelContext(); }

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
    korvo_test::ActOn(dialog, {{c.control, c.item}});
    EXPECT_EQ(Written(dialog, c.key), c.value) << c.item;
    EXPECT_EQ((panel().controls.*c.picture)->picture(), c.pictureFile) << c.item;
  }
}

TEST_F(ImageOptionsPanel, PrinterDefaultRemovesWhatWasChosenBefore) {
  settings().set(kHalftoneScreenKey, 12, "K");
  settings().set(kAntialiasingKey, 2, "K");
  settings().set(kImageShiftOptionsJobKey, platform::PlistDict{{"Option", 1}, {"X1", 2540}, {"FullPrecision", true}}, "K");
  PluginDialog dialog(session);
  EXPECT_EQ(panel().halftone, 12);
  EXPECT_EQ(panel().imageShift.x1, 100);
  korvo_test::ActOn(dialog, {{"Halftone", "Printer Default"}});
  korvo_test::ActOn(dialog, {{"AntiAliasing", "Printer Default"}});
  script.onModal(korvo_test::Act({{"Option", "Printer Default"}}));
  korvo_test::ActOn(dialog, {{"ImageShiftSetup", "click"}});
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
  korvo_test::ActOn(dialog, {{"Halftone", "150 Dot"}});
  EXPECT_EQ(Written(dialog, kResolutionKey), 4);
  EXPECT_EQ(panel().controls.resolutionPicture->picture(), "ImageOptions_Resolution_1200.png");
}

TEST_F(ImageOptionsPanel, TheCurveComboNamesAndClearsTheCurveAndRemembersIt) {
  {
    PluginDialog dialog(session);
    korvo_test::ActOn(dialog, {{"Curve", "Warm Skin"}});
    dialog.sync(false);
    const platform::PlistDict* color = settings().getDictionary(kFullColorOptionsKey);
    ASSERT_NE(color, nullptr);
    EXPECT_EQ(*platform::PlistDictFind(*color, "FCTRC")->asString(), "Warm Skin");
  }
  PluginDialog dialog(session);  // the name typed before is offered again
  ui::Control& curve = dialog.named("Curve");
  EXPECT_EQ(curve.text(), "Warm Skin");
  EXPECT_NE(korvo_test::ItemNumber(curve.menu(), "Warm Skin"), 0);
  korvo_test::ActOn(dialog, {{"Curve", "Printer Default"}});
  dialog.sync(false);
  EXPECT_FALSE(settings().getDictionary(kFullColorOptionsKey)->contains("FCTRC"));
}

TEST_F(ImageOptionsPanel, MirrorImageReachesInvertImageOptions) {
  PluginDialog dialog(session);
  korvo_test::ActOn(dialog, {{"MirrorImage", "on"}});
  dialog.sync(false);
  const platform::PlistDict* invert = settings().getDictionary(kInvertImageOptionsKey);
  ASSERT_NE(invert, nullptr);
  EXPECT_EQ(*platform::PlistDictFind(*invert, kMirrorImageKey)->asInteger(), 1);
  EXPECT_EQ(*platform::PlistDictFind(*invert, kNegativeImageKey)->asInteger(), 0);
  EXPECT_EQ(panel().controls.invertPicture->picture(), "ImageOptions_InvertImage_Mirror.png");
}

}  // namespace

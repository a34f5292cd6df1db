// The Image Options panel and its colour and image-shift set-ups, driven as a user drives them:
// each choice reaches the ticket and the picture, Printer Default takes the entry away, the curve
// combo box names the tone curve; the set-ups' tabs, printer-default boxes, intents, profiles,
// limits and Defaults; the image shift's side-2 rules. (The set-ups' Cancel, after
// Defaults too, is korvo-pde set's to check, byte for byte.)
#include <gtest/gtest.h>

#include "model/full_color_keys.h"
#include "model/image_options_keys.h"
#include "model/job_level_stock.h"
#include "model/platform_keys.h"
#include "model/ticket_clients.h"
#include "panels/image_options/image_options_state.h"
#include "panels/paper_output/paper_output_test_support.h"
#include "platform/bundle/bundle.h"

namespace {

namespace ui = platform::ui;
namespace keys = full_color_keys;
using korvo_test::Act;
using korvo_test::ActOn;
using korvo_test::In;
using korvo_test::IntegerIn;
using korvo_test::PluginDialog;

class ImageOptionsPanel : public korvo_test::DialogTest {
 protected:
  ImageOptionsPanel() : DialogTest(korvo_test::SamplePPDPath()) {}
  static ImageOptionsContext& panel() { return korvo_test::PanelContext<ImageOptionsContext>(3); }
  std::optional<std::int64_t> Written(PluginDialog& dialog, const char* key) {
    dialog.sync(false);
    return settings().getInteger(key);
  }
  // Clicks the set-up button with the script as it is and expects every step used.
  void Run(PluginDialog& dialog, const char* button) {
    ActOn(dialog, {{button, "click"}});
    EXPECT_TRUE(script.scriptUsedUp());
  }
  // The full-colour dictionary the panel writes now.
  platform::PlistDict Colors(PluginDialog& dialog) {
    dialog.sync(false);
    const platform::PlistDict* dict = dialog.settings().getDictionary(kFullColorOptionsKey);
    return dict ? *dict : platform::PlistDict{};
  }
};

TEST_F(ImageOptionsPanel, EachChoiceReachesTheTicketAndItsPicture) {
  PluginDialog dialog(session);
  using Picture = ui::Control* ImageOptionsControls::*;
  const Picture antialiasing = &ImageOptionsControls::antialiasingPicture,
                halftone = &ImageOptionsControls::halftonePicture;
  const struct {
    const char *control, *item, *key;
    std::int64_t value;
    Picture picture;
    const char* pictureFile;
  } cases[] = {
      {"AntiAliasing", "On", kAntialiasingKey, 2, antialiasing, "ImageOptions_AntiAliasing_On.png"},
      {"AntiAliasing", "Off", kAntialiasingKey, 1, antialiasing, "ImageOptions_AntiAliasing_Off.png"},
      {"Resolution", "600 x 600 Resolution", kResolutionKey, 2, &ImageOptionsControls::resolutionPicture,
       "ImageOptions_Resolution_600.png"},
      {"Halftone", "600 Dot", kHalftoneScreenKey, 12, halftone, "ImageOptions_Halftone.png"},
      {"Halftone", "Stochastic", kHalftoneScreenKey, 14, halftone, "ImageOptions_Halftone.png"},
  };
  for (const auto& c : cases) {
    ActOn(dialog, {{c.control, c.item}});
    EXPECT_EQ(Written(dialog, c.key), c.value) << c.item;
    EXPECT_EQ((panel().controls.*c.picture)->picture(), c.pictureFile) << c.item;
  }
  ActOn(dialog, {{"MirrorImage", "on"}});
  dialog.sync(false);
  const platform::PlistDict* invert = settings().getDictionary(kInvertImageOptionsKey);
  ASSERT_NE(invert, nullptr);
  EXPECT_EQ(IntegerIn(*invert, kMirrorImageKey), 1);
  EXPECT_EQ(IntegerIn(*invert, kNegativeImageKey), 0);
  EXPECT_EQ(panel().controls.invertPicture->picture(), "ImageOptions_InvertImage_Mirror.png");
}

TEST_F(ImageOptionsPanel, PrinterDefaultRemovesWhatWasChosenBefore) {
  settings().set(kHalftoneScreenKey, 12, "K");
  settings().set(kAntialiasingKey, 2, "K");
  settings().set(kImageShiftOptionsJobKey, platform::PlistDict{{"Option", 1}, {"X1", 2540}, {"FullPrecision", true}}, "K");
  PluginDialog dialog(session);
  EXPECT_EQ(panel().halftone, 12);
  EXPECT_EQ(panel().imageShift.x1, 100);
  ActOn(dialog, {{"Halftone", "Printer Default"}, {"AntiAliasing", "Printer Default"}});
  script.onModal(Act({{"Option", "Printer Default"}}));
  ActOn(dialog, {{"ImageShiftSetup", "click"}});
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
  ActOn(dialog, {{"Halftone", "150 Dot"}});
  EXPECT_EQ(Written(dialog, kResolutionKey), 4);
  EXPECT_EQ(panel().controls.resolutionPicture->picture(), "ImageOptions_Resolution_1200.png");
}

TEST_F(ImageOptionsPanel, TheCurveComboNamesAndClearsTheCurveAndRemembersIt) {
  {
    PluginDialog dialog(session);
    ActOn(dialog, {{"Curve", "Warm Skin"}});
    EXPECT_EQ(*platform::PlistDictFind(Colors(dialog), "FCTRC")->asString(), "Warm Skin");
  }
  PluginDialog dialog(session);  // the name typed before is offered again
  ui::Control& curve = dialog.named("Curve");
  EXPECT_EQ(curve.text(), "Warm Skin");
  EXPECT_NE(curve.menu().findText("Warm Skin"), 0);
  ActOn(dialog, {{"Curve", "Printer Default"}});
  EXPECT_FALSE(Colors(dialog).contains("FCTRC"));
}

// One value per tab of the colour set-up; the same rendering moves the three intents together.
TEST_F(ImageOptionsPanel, ColorSetupValuesReachTheTicketAndComeBack) {
  PluginDialog dialog(session);
  script.onModal(Act({{"LightnessDefault", "off"}, {"Lightness", "10"}, {"Trapping", "On"},
                      {"CMYKImagesProfile", "Commercial CMYK"}, {"TextRendering", "Perceptual"}}));
  Run(dialog, "ColorSetup");
  platform::PlistDict d = Colors(dialog);
  EXPECT_EQ(d, (platform::PlistDict{{keys::kLightnessKey, 10}, {keys::kTrappingKey, 1}, {keys::kCMYKImagesKey, 14},
                                    {keys::kTextRenderingKey, 4}}));
  panel().color = FullColorOptions{};
  dialog.sync(true);
  std::int32_t lightness = 0;
  panel().color.lightness(&lightness);
  EXPECT_EQ(lightness, 10);
  EXPECT_EQ(panel().controls.colorSummary->text(),
            "Lightness: 10\nTrapping: On\nCMYK Images Profile: Commercial CMYK\nText Rendering: Perceptual");

  script.onModal(Act({{"SameRendering", "on"}, {"TextRendering", "Saturation"}}));
  Run(dialog, "ColorSetup");
  d = Colors(dialog);
  for (const char* intent : {keys::kImageRenderingKey, keys::kTextRenderingKey, keys::kGraphicRenderingKey})
    EXPECT_EQ(IntegerIn(d, intent), IntegerIn(d, keys::kTextRenderingKey)) << intent;
  EXPECT_NE(IntegerIn(d, keys::kTextRenderingKey), 4);
}

TEST_F(ImageOptionsPanel, ColorSetupDefaultBoxesStoreNothingWhateverTheSliderShowsAndWidthsFollowTrapping) {
  PluginDialog dialog(session);
  script.onModal([](ui::Window& window, ui::UserDriver& user) {
    ActOn(window, user, {{"LightnessDefault", "off"}, {"LightnessSlider", "40"}});
    EXPECT_EQ(In(window, "Lightness").text(), "40");  // the field follows its slider
    ActOn(window, user, {{"LightnessDefault", "on"}});
    EXPECT_FALSE(In(window, "LightnessSlider").enabled());
    // The trapping widths are in play only while trapping is on.
    EXPECT_FALSE(In(window, "TrappingWidthDefault").enabled());
    ActOn(window, user, {{"Trapping", "On"}, {"TrappingWidthDefault", "off"}, {"TrappingWidth", "7"}});
    EXPECT_TRUE(In(window, "TrappingWidth").enabled());
    EXPECT_FALSE(In(window, "TrappingHeight").enabled());  // its own box is still set
    user.pressReturn(window);
  });
  Run(dialog, "ColorSetup");
  const platform::PlistDict d = Colors(dialog);
  EXPECT_FALSE(d.contains(keys::kLightnessKey));
  EXPECT_FALSE(d.contains(keys::kTrappingFastKey));
  EXPECT_EQ(IntegerIn(d, keys::kTrappingSlowKey), 7);
  EXPECT_EQ(panel().controls.colorSummary->text(), "Trapping: On\nTrapping Width: 7");
}

TEST_F(ImageOptionsPanel, ColorSetupWritesACustomProfileAsItsNameAndANameNotGivenPutsThePopupBack) {
  PluginDialog dialog(session);
  script.onModal([](ui::Window& window, ui::UserDriver& user) {
    ActOn(window, user, {{"RGBImagesProfile", "Custom..."}, {"CMYKImagesProfile", "Native"},
                         {"CMYKImagesProfile", "Custom..."}, {"DestinationProfile", "Custom..."}});
    EXPECT_EQ(In(window, "CMYKImagesProfile").selectedItem()->text, "Native");
    EXPECT_EQ(In(window, "DestinationProfile").selectedItem()->text, "Printer Default");
    user.pressReturn(window);
  });
  script.onModal(Act({{"ProfileName", "Studio RGB"}}));
  script.onModal(Act({{"ProfileName", "Press"}}, korvo_test::Then::kCancel));  // cancelled
  script.onModal(Act({{"ProfileName", ""}}));                                   // left empty
  Run(dialog, "ColorSetup");
  const platform::PlistDict d = Colors(dialog);
  EXPECT_EQ(*platform::PlistDictFind(d, keys::kRGBImagesKey)->asString(), "Studio RGB");
  EXPECT_EQ(IntegerIn(d, keys::kCMYKImagesKey), 1);
  EXPECT_FALSE(d.contains(keys::kDestinationKey));
}

// OK after Defaults resets every value. (A value typed out of range, which OK refuses, is
// korvo-pde set's to check.)
TEST_F(ImageOptionsPanel, ColorSetupDefaultsResetEveryValue) {
  PluginDialog dialog(session);
  panel().color.setLightness(-20);
  panel().color.setTrapping(1);
  script.onModal(Act({{"Defaults", "click"}}));
  Run(dialog, "ColorSetup");
  EXPECT_EQ(panel().color, FullColorOptions{});
}

// The image-shift set-up on a job printed two-sided, unless oneSided.
class ImageShiftDialog : public ImageOptionsPanel {
 protected:
  ImageShiftOptions& shift() { return panel().imageShift; }
  std::unique_ptr<PluginDialog> Open(bool oneSided = false) {
    settings().set(kPMDuplexingKey, oneSided ? 1 : 2, kPrintingManagerClientID);
    auto dialog = std::make_unique<PluginDialog>(session);
    // In front first: a panel switch makes every panel read the ticket again.
    EXPECT_EQ(dialog->user().bringToFront(dialog->named("ImageShiftSetup")), platform::noErr);
    return dialog;
  }
  static ui::Control& Arrows(ui::Window& window, std::int32_t id) {
    return *window.find({platform::FourCharCode("KPDE"), id});
  }
};

// (What its OK stores is korvo-pde set's to check.)
TEST_F(ImageShiftDialog, OneSidedOffersOnlyPrinterDefaultAndIndependentWithSide2Disabled) {
  auto dialog = Open(true);
  script.onModal([](ui::Window& window, ui::UserDriver& user) {
    EXPECT_EQ(In(window, "Option").menu().count(), 2);
    ActOn(window, user, {{"Option", "Independent"}, {"X1", "0.50"}});
    EXPECT_TRUE(In(window, "Y1").enabled());
    EXPECT_FALSE(In(window, "X2").enabled());
    EXPECT_FALSE(In(window, "Y2").enabled());
    user.pressReturn(window);
  });
  Run(*dialog, "ImageShiftSetup");
}

TEST_F(ImageShiftDialog, TheOptionDecidesWhichSide2FieldsAreEnteredAndWhatTheOthersShow) {
  auto dialog = Open();
  const struct {
    const char* option;
    bool x2Entered, y2Entered;
    std::int32_t x2, y2;  // with X1 = 1.00, Y1 = -0.25, X2 = 0.10, Y2 = 0.20 typed where entered
  } cases[] = {
      {"Independent", true, true, 10, 20},  {"Mirror Horizontally", false, true, -100, 20}, {"Mirror Vertically", true, false, 10, 25},
      {"Mirror Both", false, false, -100, 25}, {"Mirror Horizontally, Tandem Vertically", false, false, -100, -25},
      {"Tandem Horizontally", false, true, 100, 20},    {"Tandem Both", false, false, 100, -25},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.option);
    script.onModal([&c](ui::Window& window, ui::UserDriver& user) {
      ActOn(window, user, {{"Option", c.option}, {"X1", "1.00"}, {"Y1", "-0.25"}});
      EXPECT_EQ(In(window, "X2").enabled(), c.x2Entered);
      EXPECT_EQ(In(window, "Y2").enabled(), c.y2Entered);
      if (c.x2Entered) ActOn(window, user, {{"X2", "0.10"}});
      if (c.y2Entered) ActOn(window, user, {{"Y2", "0.20"}});
      EXPECT_EQ(Arrows(window, 976).value(), c.x2);  // shown before OK
      user.pressReturn(window);
    });
    Run(*dialog, "ImageShiftSetup");
    EXPECT_EQ(shift().x2, c.x2);
    EXPECT_EQ(shift().y2, c.y2);
  }
}

TEST_F(ImageShiftDialog, NamesTheJobStocksSizeFromTheTicket) {
  Stock legal;
  legal.setSize(2);
  WriteJobLevelStock(settings(), legal, kPanelsClientID);
  auto dialog = Open();
  std::string shown;
  script.onModal([&shown](ui::Window& window, ui::UserDriver& user) {
    shown = window.find({platform::FourCharCode("KPDE"), 962})->text();
    user.pressEscape(window);
  });
  Run(*dialog, "ImageShiftSetup");
  EXPECT_EQ(shown, korvo_test::PanelContext<PaperOutputContext>(1).bundle->localizedString("LegalStockSize"));
}

}  // namespace

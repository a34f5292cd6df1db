// The colour set-up dialog, opened from the Image Options panel and answered as a user would:
// what reaches the full-colour dictionary from each tab, the printer-default check boxes, the
// rendering intents moving together, custom profile names, a typed value out of range, and Defaults.
#include <gtest/gtest.h>

#include "model/full_color_keys.h"
#include "panels/image_options/image_options_test_support.h"
#include "panels/paper_output/paper_output_test_support.h"
#include "platform/ui/user_choice.h"

namespace {

namespace ui = platform::ui;
namespace keys = full_color_keys;
using korvo_test::Act;
using korvo_test::IntegerIn;

class ColorSetupDialog : public korvo_test::DialogTest {
 protected:
  ColorSetupDialog() : DialogTest(korvo_test::SamplePPDPath()) {}
  korvo_test::PluginDialog dialog{session};
  ImageOptionsContext& panel() { return korvo_test::ImageOptionsPanelContext(); }

  // Clicks Color Setup... with the script as it is and expects every step used.
  void Run() {
    ui::Control& button = dialog.named("ColorSetup");
    ASSERT_EQ(dialog.user().bringToFront(button), platform::noErr);
    ASSERT_EQ(dialog.user().click(button), platform::noErr);
    EXPECT_TRUE(script.scriptUsedUp());
  }
  // The full-colour dictionary the panel writes now.
  platform::PlistDict Written() {
    dialog.sync(false);
    const platform::PlistDict* dict = dialog.settings().getDictionary(kFullColorOptionsKey);
    return dict ? *dict : platform::PlistDict{};
  }
};

TEST_F(ColorSetupDialog, OneValuePerTabReachesTheTicketAndComesBack) {
  script.onModal(Act({{"LightnessDefault", "off"}, {"Lightness", "10"}, {"Trapping", "On"},
                      {"CMYKImagesProfile", "Commercial CMYK"}, {"TextRendering", "Perceptual"}}));
  Run();
  const platform::PlistDict d = Written();
  EXPECT_EQ(IntegerIn(d, keys::kLightnessKey), 10);
  EXPECT_EQ(IntegerIn(d, keys::kTrappingKey), 1);
  EXPECT_EQ(IntegerIn(d, keys::kCMYKImagesKey), 14);
  EXPECT_EQ(IntegerIn(d, keys::kTextRenderingKey), 4);
  EXPECT_EQ(d.size(), 4u);
  panel().color = FullColorOptions{};
  dialog.sync(true);
  std::int32_t lightness = 0;
  panel().color.lightness(&lightness);
  EXPECT_EQ(lightness, 10);
  EXPECT_EQ(panel().controls.colorSummary->text(),
            "Lightness: 10\nTrapping: On\nCMYK Images Profile: Commercial CMYK\nText Rendering: Perceptual");
}

TEST_F(ColorSetupDialog, PrinterDefaultBoxesStoreTheSentinelWhateverTheSliderShowsAndWidthsFollowTrapping) {
  script.onModal([](ui::Window& window, ui::UserDriver& user) {
    korvo_test::ActOn(window, user, {{"LightnessDefault", "off"}, {"LightnessSlider", "40"}});
    EXPECT_EQ(window.content().findNamed("Lightness")->text(), "40");  // the field follows its slider
    korvo_test::ActOn(window, user, {{"LightnessDefault", "on"}});
    EXPECT_FALSE(window.content().findNamed("LightnessSlider")->enabled());
    // The trapping widths are in play only while trapping is on.
    EXPECT_FALSE(window.content().findNamed("TrappingWidthDefault")->enabled());
    korvo_test::ActOn(window, user, {{"Trapping", "On"}, {"TrappingWidthDefault", "off"}, {"TrappingWidth", "7"}});
    EXPECT_TRUE(window.content().findNamed("TrappingWidth")->enabled());
    EXPECT_FALSE(window.content().findNamed("TrappingHeight")->enabled());  // its own box is still set
    user.pressReturn(window);
  });
  Run();
  const platform::PlistDict d = Written();
  EXPECT_FALSE(d.contains(keys::kLightnessKey));
  EXPECT_FALSE(d.contains(keys::kTrappingFastKey));
  EXPECT_EQ(IntegerIn(d, keys::kTrappingSlowKey), 7);
  EXPECT_EQ(panel().controls.colorSummary->text(), "Trapping: On\nTrapping Width: 7");
}

TEST_F(ColorSetupDialog, SameRenderingMovesTheThreeIntentsTogether) {
  script.onModal(Act({{"SameRendering", "on"}, {"TextRendering", "Perceptual"}}));
  Run();
  const platform::PlistDict d = Written();
  EXPECT_EQ(IntegerIn(d, keys::kImageRenderingKey), 4);
  EXPECT_EQ(IntegerIn(d, keys::kTextRenderingKey), 4);
  EXPECT_EQ(IntegerIn(d, keys::kGraphicRenderingKey), 4);
}

TEST_F(ColorSetupDialog, ACustomProfileIsWrittenAsItsNameAndANameNotGivenPutsThePopupBack) {
  script.onModal([](ui::Window& window, ui::UserDriver& user) {
    korvo_test::ActOn(window, user, {{"RGBImagesProfile", "Custom..."}, {"CMYKImagesProfile", "Native"},
                                     {"CMYKImagesProfile", "Custom..."}, {"DestinationProfile", "Custom..."}});
    EXPECT_EQ(window.content().findNamed("CMYKImagesProfile")->selectedItem()->text, "Native");
    EXPECT_EQ(window.content().findNamed("DestinationProfile")->selectedItem()->text, "Printer Default");
    user.pressReturn(window);
  });
  script.onModal(Act({{"ProfileName", "Studio RGB"}}));
  script.onModal(Act({{"ProfileName", "Press"}}, korvo_test::Then::kCancel));  // cancelled
  script.onModal(Act({{"ProfileName", ""}}));                                   // left empty
  Run();
  const platform::PlistDict d = Written();
  EXPECT_EQ(*platform::PlistDictFind(d, keys::kRGBImagesKey)->asString(), "Studio RGB");
  EXPECT_EQ(IntegerIn(d, keys::kCMYKImagesKey), 1);
  EXPECT_FALSE(d.contains(keys::kDestinationKey));
}

TEST_F(ColorSetupDialog, AValueTypedOutOfRangeBeepsShowsTheBoundAndOKIsRefused) {
  script.onModal([this](ui::Window& window, ui::UserDriver& user) {
    korvo_test::ActOn(window, user, {{"LightnessDefault", "off"}, {"Lightness", "150"}});
    EXPECT_GE(script.beeps(), 1);
    EXPECT_EQ(window.content().findNamed("Lightness")->text(), "100");
    user.pressReturn(window);
    EXPECT_FALSE(window.modalResult().has_value());  // still open
    user.pressEscape(window);
  });
  Run();
  EXPECT_FALSE(Written().contains(keys::kLightnessKey));
}

// Cancel, after Defaults too, is korvo-pde set's to check, byte for byte; OK after Defaults resets.
TEST_F(ColorSetupDialog, DefaultsThenOKResetsEveryValue) {
  // In front first: a panel switch makes every panel read the ticket again.
  ASSERT_EQ(dialog.user().bringToFront(dialog.named("ColorSetup")), platform::noErr);
  panel().color.setLightness(-20);
  panel().color.setTrapping(1);
  script.onModal(Act({{"Defaults", "click"}}));
  Run();
  EXPECT_EQ(panel().color, FullColorOptions{});
}

}  // namespace

// The full-colour record: its limits and its dictionary both ways. Its summary is the image
// options panel's (tests/panels).
#include <gtest/gtest.h>

#include "model/full_color_options.h"

namespace {

using platform::PlistDict;
using platform::PlistValue;

TEST(FullColorOptions, SettersAndGettersRefuseWhatCannotBeAndChangeNothing) {
  FullColorOptions o;
  EXPECT_EQ(o.setLightness(101), platform::paramErr);
  EXPECT_EQ(o.setLightness(-101), platform::paramErr);
  EXPECT_EQ(o.setLightness(kPrinterDefault), platform::noErr);
  EXPECT_EQ(o.setLightness(-100), platform::noErr);

  ASSERT_EQ(o.setColorCast(1, 2, 3), platform::noErr);
  EXPECT_EQ(o.setColorCast(10, 200, 0), platform::paramErr);
  std::int32_t c = 0, m = 0, y = 0;
  ASSERT_EQ(o.colorCast(&c, &m, &y), platform::noErr);
  EXPECT_EQ((std::vector<std::int32_t>{c, m, y}), (std::vector<std::int32_t>{1, 2, 3}));

  EXPECT_EQ(o.setTrappingAdjustment(-1, 5), platform::paramErr);
  EXPECT_EQ(o.setTrappingAdjustment(0, 21), platform::paramErr);
  EXPECT_EQ(o.setRGBImagesProfile(kCustomRGBProfileIndex, std::nullopt), platform::paramErr);
  EXPECT_EQ(o.setRGBImagesProfile(kCustomRGBProfileIndex, std::string(256, 'x')), platform::paramErr);
  // 255 characters counted as the dialog counts them, not as UTF-8 bytes.
  std::string accents;
  for (int i = 0; i < 255; ++i) accents += "\xC3\xA9";
  EXPECT_EQ(o.setRGBImagesProfile(kCustomRGBProfileIndex, accents), platform::noErr);
  EXPECT_EQ(o.setGrayImagesProfile(std::string(256, 'g')), platform::paramErr);

  EXPECT_EQ(o.lightness(nullptr), platform::paramErr);
  EXPECT_EQ(o.colorCast(nullptr, nullptr, nullptr), platform::paramErr);
  std::int32_t index = 0, slow = 0;
  EXPECT_EQ(o.cmykImagesProfile(&index, nullptr), platform::paramErr);
  EXPECT_EQ(o.trappingAdjustment(&slow, nullptr), platform::noErr);
  EXPECT_EQ(slow, kPrinterDefault);
}

TEST(FullColorOptions, DictionaryWritesOnlyWhatIsSet) {
  EXPECT_EQ(FullColorOptions().asTicket(), PlistDict{});

  FullColorOptions o;
  o.setColorCast(5, 6, kPrinterDefault);  // only two of three: no colour cast written
  o.setTrapping(2);
  o.setTrappingAdjustment(3, 4);          // trapping off: no distances written
  o.setRGBImagesProfile(kCustomRGBProfileIndex, "Studio RGB");
  o.setCMYKImagesProfile(14, std::nullopt);
  o.setDestinationProfile(1, "ignored, not custom");
  EXPECT_EQ(o.asTicket(), (PlistDict{{"FCTrapping", 2},
                                     {"RGBImagesProfile", "Studio RGB"},
                                     {"CMYKImagesProfile", 14},
                                     {"DestinationProfile", 1}}));

  o.setTrapping(1);
  o.setColorCast(5, 6, 7);
  PlistDict written = o.asTicket();
  EXPECT_EQ(written.at("FCTrappingSlowDirection"), PlistValue(3));
  EXPECT_EQ(written.at("FCTrappingFastDirection"), PlistValue(4));
  EXPECT_EQ(written.at("FCColorCast"), PlistValue(PlistDict{{"FCCyanRed", 5}, {"FCMagentaGreen", 6}, {"FCYellowBlue", 7}}));
}

// Every field comes back from the record's own dictionary: a field written but not read (or read
// under another key) fails here. Each profile once by index and once by a custom name.
TEST(FullColorOptions, EveryFieldSetComesBackWhole) {
  for (const bool custom : {false, true}) {
    FullColorOptions o;
    o.setLightness(-100);
    o.setContrast(100);
    o.setSaturation(-5);
    o.setColorCast(7, -8, 9);
    o.setTrapping(1);
    o.setTrappingAdjustment(3, 17);
    o.setBlackOverprint(1);
    o.setTRC("Curve");
    const auto name = [](bool named, const char* text) { return named ? std::optional<std::string>(text) : std::nullopt; };
    o.setRGBImagesProfile(custom ? kCustomRGBProfileIndex : 4, name(custom, "Camera RGB"));
    o.setRGBTextAndGraphicsProfile(custom ? 2 : kCustomRGBProfileIndex, name(!custom, "Text RGB"));
    o.setCMYKImagesProfile(custom ? kCustomCMYKProfileIndex : 1, name(custom, "ISO Coated"));
    o.setCMYKTextAndGraphicsProfile(custom ? 2 : kCustomCMYKProfileIndex, name(!custom, "Uncoated"));
    o.setGrayImagesProfile("Gray 1");
    o.setGrayTextAndGraphicsProfile("Gray 2");
    o.setDestinationProfile(custom ? kCustomDestinationProfileIndex : 1, name(custom, "Press 7"));
    o.setImageObjectRendering(1);
    o.setTextObjectRendering(2);
    o.setGraphicObjectRendering(3);
    const PlistDict dict = o.asTicket();
    EXPECT_EQ(dict.size(), 19u);  // every key, the colour cast holding three more
    EXPECT_EQ(FullColorOptions(&dict), o) << custom;
  }
}

// Numbers are taken as stored, even where the setters refuse them; a value of the wrong kind keeps
// the field; a ticket without trapping resets trapping and both distances.
TEST(FullColorOptions, ReadingTakesNumbersUncheckedKeepsWrongKindsAndResetsAMissingTrapping) {
  FullColorOptions o;
  o.setContrast(6);
  o.setSaturation(7);
  const PlistDict dict{{"FCLightness", 500},
                       {"FCContrast", "7"},
                       {"FCSaturation", 2.5},
                       {"FCColorCast", PlistDict{{"FCCyanRed", -101}, {"FCMagentaGreen", 9}, {"FCYellowBlue", 200}}},
                       {"FCTrapping", 1},
                       {"FCTrappingSlowDirection", 99},
                       {"GrayImagesProfile", std::string(300, 'g')},
                       {"DestinationProfile", true}};  // a boolean is no profile at all
  o.fromTicket(&dict);
  const PlistValue cast = PlistDict{{"FCCyanRed", -101}, {"FCMagentaGreen", 9}, {"FCYellowBlue", 200}};
  EXPECT_EQ(o.asTicket(), (PlistDict{{"FCLightness", 500}, {"FCContrast", 6}, {"FCSaturation", 7}, {"FCColorCast", cast},
                                     {"FCTrapping", 1}, {"FCTrappingSlowDirection", 99}}));
  const PlistDict none;
  o.fromTicket(&none);
  EXPECT_EQ(o.asTicket(), (PlistDict{{"FCLightness", 500}, {"FCContrast", 6}, {"FCSaturation", 7}, {"FCColorCast", cast}}));
}

}  // namespace

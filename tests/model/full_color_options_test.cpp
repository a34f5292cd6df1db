#include <gtest/gtest.h>

#include "model/full_color_options.h"

namespace {

using platform::PlistDict;
using platform::PlistValue;

TEST(FullColorOptions, SettersRefuseOutOfRangeValuesAndChangeNothing) {
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
}

TEST(FullColorOptions, GettersNeedAPlaceForTheResultAndMissingTrappingResetsBothDistances) {
  FullColorOptions o;
  EXPECT_EQ(o.lightness(nullptr), platform::paramErr);
  EXPECT_EQ(o.colorCast(nullptr, nullptr, nullptr), platform::paramErr);
  std::int32_t slow = 0;
  EXPECT_EQ(o.trappingAdjustment(&slow, nullptr), platform::noErr);
  EXPECT_EQ(slow, kPrinterDefault);
  std::int32_t index = 0;
  EXPECT_EQ(o.cmykImagesProfile(&index, nullptr), platform::paramErr);

  // A ticket without trapping resets trapping and both distances.
  o.setTrapping(1);
  o.setTrappingAdjustment(4, 5);
  PlistDict none;
  o.fromTicket(&none);
  std::int32_t trapping = 0, fast = 0;
  o.trapping(&trapping);
  o.trappingAdjustment(&slow, &fast);
  EXPECT_EQ(trapping, kPrinterDefault);
  EXPECT_EQ(slow, kPrinterDefault);
  EXPECT_EQ(fast, kPrinterDefault);
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

TEST(FullColorOptions, ReadingAProfileTakesANumberAsIndexAndAStringAsCustomName) {
  PlistDict dict{{"RGBImagesProfile", "My RGB"}, {"CMYKImagesProfile", 14}, {"DestinationProfile", true}};
  FullColorOptions o(&dict);
  std::int32_t index = 0;
  std::optional<std::string> name;
  o.rgbImagesProfile(&index, &name);
  EXPECT_EQ(index, kCustomRGBProfileIndex);
  EXPECT_EQ(name, "My RGB");
  o.cmykImagesProfile(&index, &name);
  EXPECT_EQ(index, 14);
  o.destinationProfile(&index, &name);  // a boolean is no profile at all
  EXPECT_EQ(index, kPrinterDefault);
}

TEST(FullColorOptions, OutOfRangeOrWrongKindValuesFromATicketKeepTheField) {
  FullColorOptions o;
  o.setLightness(5);
  o.setContrast(6);
  PlistDict dict{{"FCLightness", 150},
                 {"FCContrast", "7"},
                 {"FCSaturation", 2.5},
                 {"FCColorCast", PlistDict{{"FCCyanRed", -101}, {"FCMagentaGreen", 9}}},
                 {"FCTrapping", 1},
                 {"FCTrappingSlowDirection", 99},
                 {"GrayImagesProfile", std::string(300, 'g')}};
  o.fromTicket(&dict);
  std::int32_t v = 0, c = 0, m = 0, slow = 0;
  o.lightness(&v);
  EXPECT_EQ(v, 5);
  o.contrast(&v);
  EXPECT_EQ(v, 6);
  o.saturation(&v);
  EXPECT_EQ(v, kPrinterDefault);
  o.colorCast(&c, &m, nullptr);
  EXPECT_EQ(c, kPrinterDefault);
  EXPECT_EQ(m, 9);
  o.trappingAdjustment(&slow, nullptr);
  EXPECT_EQ(slow, kPrinterDefault);
  std::optional<std::string> gray;
  o.grayImagesProfile(&gray);
  EXPECT_FALSE(gray);
}

}  // namespace

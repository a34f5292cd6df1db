// Colour and image quality: the full-colour fields and their profiles, halftone screens and
// highlight colour.
#include <gtest/gtest.h>

#include "jobticket/writer/jtkt_color.h"
#include "jtkt_test_support.h"
#include "model/full_color_options.h"
#include "platform/status.h"
#include "vocabulary/printer_default.h"

namespace {

using jtkt_test::RecordingContext;
using jtkt_test::WrittenThrough;
using platform::PlistDict;

// Full-colour fields alone and together (codes outside their tables, the custom indices as
// numbers and the destination's code 0 write nothing; trapping distances only with trapping),
// record fields the dictionary does not fill, halftone screens and highlight colours (black only
// as a mapping colour, a custom colour only with its kind), each in turn.
TEST(JTktColor, EachFieldMatchesTheGoldenFile) {
  const std::vector<PlistDict> fullColor{
      {{"FCLightness", 20}},
      {},
      {{"FCLightness", kPrinterDefault}},
      {{"RGBTextAndGraphicsProfile", 4}},
      {{"CMYKImagesProfile", "Press & Proof"}},
      {{"CMYKImagesProfile", 8}},
      {{"DestinationProfile", 1}},
      {{"DestinationProfile", "Room <2>"}},
      {{"GrayTextAndGraphicsProfile", "Dot Gain 20%"}, {"GrayImagesProfile", 3}},
      {{"RGBImagesProfile", 5}, {"CMYKImagesProfile", 3}, {"DestinationProfile", 0}, {"RGBTextAndGraphicsProfile", 99},
       {"CMYKTextAndGraphicsProfile", -7}},
      {{"DestinationProfile", 2}},
      {{"FCTrappingFastDirection", 3}},
      {{"FCTrapping", 1}, {"FCTrappingFastDirection", 3}, {"FCTrappingSlowDirection", 4}}};
  const std::vector<PlistDict> highlight{
      {{"HiglightPrintingColor", 13}, {"HighlightColorPrintingRGB", 1}, {"HighlightColorPrintingR", 255},
       {"HighlightColorPrintingG", 0}, {"HighlightColorPrintingB", 0}},
      {{"HighlightMappingColor", 9}},
      {{"HiglightPrintingColor", 9}},
      {{"HiglightPrintingColor", 13}, {"HighlightColorPrintingR", 255}},
      {{"HighlightMappingColor", 13}, {"HighlightColorMappingRGB", kPrinterDefault}},
      {},
      {{"HiglightPrintingColor", kPrinterDefault}, {"HighlightMappingColor", 16}, {"HighlightMismatchAction", 0},
       {"HighlightMappingAlgorithm", 6}}};
  const std::vector<PlistDict> halftone{{{kHalftoneScreenKey, "fine"}}, {{kHalftoneScreenKey, 51}}};
  std::string body = WrittenThrough([&](const JTktWriter& w) {
    for (const PlistDict& dictionary : fullColor) WriteJTKTFullColor(w, &dictionary);
    for (const PlistDict& dictionary : highlight) WriteJTKTHighlightColor(w, &dictionary);
    WriteJTKTHighlightColor(w, nullptr);
    for (const PlistDict& ticket : halftone) WriteJTKTHalftone(w, &ticket);
  });
  body += jtkt_test::Recorded([](const JTktWriteContext* out) {
    _PAGEDATA record;
    FillFullColorOptions(&record, nullptr);
    record.color.antiAliasing = 2;
    record.color.halftone = 14;
    record.color.colorEffects = 1;
    record.color.trcName = "Curve \"B\"";
    EXPECT_EQ(WriteJTktFullColor(out, &record), platform::noErr);
    EXPECT_EQ(WriteJTktFullColor(nullptr, &record), platform::paramErr);
    EXPECT_EQ(WriteJTktFullColor(out, nullptr), platform::paramErr);
    FillFullColorOptions(&record, nullptr);  // filling again forgets what was left
    WriteJTktFullColor(out, &record);
    for (std::int32_t value : {1000, -1, kPrinterDefault}) WriteJTktHalfTone(out, value);  // 0 to 53: color_tables
    JTktHighlightColor black;
    black.colorant = 8;
    WriteJTktHLC(out, &black);
  });
  jtkt_test::ExpectGolden(jtkt_test::Framed(body), "color_fields.xml");
  jtkt_test::RecordingContext out;
  WriteJTktHalfTone(out.get(), 27);
  EXPECT_EQ(out.fragments().size(), 1u);  // three lines, one fragment
}

TEST(JTktColor, EverySourceProfileAndHalftoneMatchesTheGoldenFile) {
  RecordingContext out;
  for (std::int32_t code = -1; code <= 16; ++code) {
    WriteJTktRGBSource(out.get(), code, "undefined-source-rgb-images", "Named & RGB");
    WriteJTktCMYKSource(out.get(), code, "undefined-source-cmyk-images", "Named & CMYK");
  }
  for (std::int32_t value = 0; value <= 53; ++value) WriteJTktHalfTone(out.get(), value);
  for (std::int32_t code = -1; code <= 15; ++code) {
    JTktHighlightColor record;
    record.colorant = code;
    record.mapColor = code;
    record.colorantHue = 10;
    record.mapIsRGB = true;
    record.mapGreen = 128;
    record.colorantCustomNumber = record.mapCustomNumber = 2;
    record.mismatch = code % 4;
    record.algorithm = code % 6;
    WriteJTktHLC(out.get(), &record);
  }
  jtkt_test::ExpectGolden(jtkt_test::Framed(out.text()), "color_tables.xml");
}

}  // namespace

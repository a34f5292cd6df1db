// Colour and image quality: the full-colour fields and their profiles, halftone screens and
// highlight colour.
#include <gtest/gtest.h>

#include "jobticket/writer/jtkt_color.h"
#include "golden_jobs.h"
#include "jtkt_test_support.h"
#include "model/full_color_options.h"
#include "platform/status.h"
#include "vocabulary/printer_default.h"

namespace {

using jtkt_test::RecordingContext;
using jtkt_test::WrittenByDefaultOutput;
using platform::PlistDict;

std::string FullColor(const PlistDict& dictionary) {
  return WrittenByDefaultOutput([&] { WriteJTKTFullColor(&dictionary); });
}

std::string Highlight(const PlistDict& dictionary) {
  return WrittenByDefaultOutput([&] { WriteJTKTHighlightColor(&dictionary); });
}

std::string Keyword(const char* element, const char* keyword) {
  return std::string("\t\t<") + element + " syntax=\"keyword\">" + keyword + "</" + element + ">\n";
}

std::string Name(const char* element, const char* name) {
  return std::string("\t\t<") + element + " syntax=\"name\" xml:space=\"preserve\">" + name + "</" + element + ">\n";
}

TEST(JTktFullColor, LightnessAloneWritesOneLine) {
  EXPECT_EQ(FullColor({{"FCLightness", 20}}), "\t\t<adjust-lightness syntax =\"integer\">20</adjust-lightness>\n");
  EXPECT_EQ(FullColor({}), "");
  EXPECT_EQ(FullColor({{"FCLightness", kPrinterDefault}}), "");
}

TEST(JTktFullColor, ProfilesByCodeAndByName) {
  EXPECT_EQ(FullColor({{"RGBTextAndGraphicsProfile", 4}}),
            Keyword("undefined-source-rgb-text", "sRGB") + Keyword("undefined-source-rgb-graphics", "sRGB"));
  EXPECT_EQ(FullColor({{"CMYKImagesProfile", "Press & Proof"}}),
            Name("undefined-source-cmyk-images", "Press &amp; Proof"));
  EXPECT_EQ(FullColor({{"CMYKImagesProfile", 8}}),
            Name("undefined-source-cmyk-images", "Japan Color 2001 (Type1:Art) CMYK"));
  EXPECT_EQ(FullColor({{"DestinationProfile", 1}}),
            Keyword("color-destination-profile-front", "system-specified") +
                Keyword("color-destination-profile-back", "system-specified"));
  EXPECT_EQ(FullColor({{"DestinationProfile", "Room <2>"}}),
            Name("color-destination-profile-front", "Room &lt;2&gt;") +
                Name("color-destination-profile-back", "Room &lt;2&gt;"));
  EXPECT_EQ(FullColor({{"GrayTextAndGraphicsProfile", "Dot Gain 20%"}, {"GrayImagesProfile", 3}}),
            Name("undefined-source-gray-text", "Dot Gain 20%") + Name("undefined-source-gray-graphics", "Dot Gain 20%"));
}

TEST(JTktFullColor, CodesOutsideTheirTablesWriteNothing) {
  // The custom indices as numbers, the destination's code 0 and unknown codes.
  EXPECT_EQ(FullColor({{"RGBImagesProfile", 5}, {"CMYKImagesProfile", 3}, {"DestinationProfile", 0},
                       {"RGBTextAndGraphicsProfile", 99}, {"CMYKTextAndGraphicsProfile", -7}}),
            "");
  EXPECT_EQ(FullColor({{"DestinationProfile", 2}}), "");
}

TEST(JTktFullColor, TrappingDistancesOnlyWithTrapping) {
  EXPECT_EQ(FullColor({{"FCTrappingFastDirection", 3}}), "");
  EXPECT_EQ(FullColor({{"FCTrapping", 1}, {"FCTrappingFastDirection", 3}, {"FCTrappingSlowDirection", 4}}),
            "\t\t<trapping syntax=\"keyword\">all</trapping>\n"
            "\t\t<trap-width-fast syntax=\"integer\">3</trap-width-fast>\n"
            "\t\t<trap-width-slow syntax=\"integer\">4</trap-width-slow>\n");
}

TEST(JTktFullColor, RecordFieldsNotFilledFromTheDictionaryComeLast) {
  _PAGEDATA record;
  FillFullColorOptions(&record, nullptr);
  record.color.antiAliasing = 2;
  record.color.halftone = 14;
  record.color.colorEffects = 1;
  record.color.trcName = "Curve \"B\"";
  RecordingContext out;
  EXPECT_EQ(WriteJTktFullColor(out.get(), &record), platform::noErr);
  EXPECT_EQ(out.text(),
            "\t\t<trc syntax=\"collection\">\n\t\t\t<trc-name syntax=\"name\" xml:space=\"preserve\">Curve &quot;B&quot;"
            "</trc-name>\n\t\t</trc>\n" +
                Keyword("anti-aliasing", "standard") + Keyword("halftone-graphics", "stochastic") +
                Keyword("halftone-images", "stochastic") + Keyword("halftone-text", "stochastic") +
                Keyword("color-effects-type", "monochrome-grayscale"));
  EXPECT_EQ(WriteJTktFullColor(nullptr, &record), platform::paramErr);
  EXPECT_EQ(WriteJTktFullColor(out.get(), nullptr), platform::paramErr);
  // Filling again forgets what an earlier fill or caller left.
  FillFullColorOptions(&record, nullptr);
  out.clear();
  WriteJTktFullColor(out.get(), &record);
  EXPECT_EQ(out.text(), "");
}

TEST(JTktHalftone, ThreeLinesOrNothing) {
  RecordingContext out;
  WriteJTktHalfTone(out.get(), 27);
  ASSERT_EQ(out.fragments().size(), 1u);
  EXPECT_EQ(out.text(), Keyword("halftone-graphics", "107-lpi-dark") + Keyword("halftone-images", "107-lpi-dark") +
                            Keyword("halftone-text", "107-lpi-dark"));
  for (std::int32_t value : {0, 48, 49, 50, 52, 1000, -1, kPrinterDefault}) {
    out.clear();
    WriteJTktHalfTone(out.get(), value);
    EXPECT_EQ(out.text(), "") << value;
  }
  EXPECT_EQ(WrittenByDefaultOutput([] {
              const PlistDict ticket{{kHalftoneScreenKey, "fine"}};
              WriteJTKTHalftone(&ticket);
            }),
            "");
  EXPECT_EQ(WrittenByDefaultOutput([] {
              const PlistDict ticket{{kHalftoneScreenKey, 51}};
              WriteJTKTHalftone(&ticket);
            }),
            Keyword("halftone-graphics", "150-lpi") + Keyword("halftone-images", "150-lpi") +
                Keyword("halftone-text", "150-lpi"));
}

TEST(JTktHighlightColor, CustomColourThenOther) {
  EXPECT_EQ(Highlight({{"HiglightPrintingColor", 13}, {"HighlightColorPrintingRGB", 1}, {"HighlightColorPrintingR", 255},
                       {"HighlightColorPrintingG", 0}, {"HighlightColorPrintingB", 0}}),
            "\t\t<highlight-colorant-color-custom-col syntax=\"collection\">\n"
            "\t\t\t<color-srgb-col syntax=\"collection\">\n"
            "\t\t\t\t<color-srgb-red syntax=\"integer\">255</color-srgb-red>\n"
            "\t\t\t\t<color-srgb-green syntax=\"integer\">0</color-srgb-green>\n"
            "\t\t\t\t<color-srgb-blue syntax=\"integer\">0</color-srgb-blue>\n"
            "\t\t\t</color-srgb-col>\n"
            "\t\t</highlight-colorant-color-custom-col>\n" +
                Keyword("highlight-colorant", "other"));
}

TEST(JTktHighlightColor, BlackOnlyAsMappingColour) {
  EXPECT_EQ(Highlight({{"HighlightMappingColor", 9}}), Keyword("highlight-map-color", "black"));
  EXPECT_EQ(Highlight({{"HiglightPrintingColor", 9}}), "");
  JTktHighlightColor record;
  record.colorant = 8;
  RecordingContext out;
  WriteJTktHLC(out.get(), &record);
  EXPECT_EQ(out.text(), "");
}

TEST(JTktHighlightColor, CustomColourWithoutItsKindIsNotSent) {
  EXPECT_EQ(Highlight({{"HiglightPrintingColor", 13}, {"HighlightColorPrintingR", 255}}), "");
  EXPECT_EQ(Highlight({{"HighlightMappingColor", 13}, {"HighlightColorMappingRGB", kPrinterDefault}}), "");
}

TEST(JTktHighlightColor, NoKeysNoElement) {
  EXPECT_EQ(Highlight({}), "");
  EXPECT_EQ(Highlight({{"HiglightPrintingColor", kPrinterDefault}, {"HighlightMappingColor", 16},
                       {"HighlightMismatchAction", 0}, {"HighlightMappingAlgorithm", 6}}),
            "");
  EXPECT_EQ(WrittenByDefaultOutput([] { WriteJTKTHighlightColor(nullptr); }), "");
}

// A colour-heavy job: every field of the full colour, every source profile of both tables, the
// halftones and the highlight colours, in one document.
TEST(JTktColor, ColourHeavyJobMatchesTheGoldenFile) {
  const PlistDict ticket = jtkt_test::GoldenColorJob();
  const std::string document = jtkt_test::Document(ticket);
  EXPECT_EQ(document, jtkt_test::Golden("color_job.xml"));
  EXPECT_EQ(jtkt_test::XmllintComplaint(document), "");
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
  const std::string document = jtkt_test::Framed(out.text());
  EXPECT_EQ(document, jtkt_test::Golden("color_tables.xml"));
  EXPECT_EQ(jtkt_test::XmllintComplaint(document), "");
}

}  // namespace

// What the reader stores for the settings the writer spells in forms of its own, beyond the bytes
// the round trip checks: the unit of image shifts, pads and their job type, and the ticket's
// highlight group apart from the job's.
#include <gtest/gtest.h>

#include "jtkt_test_support.h"
#include "model/image_shift_options.h"
#include "model/paper_output_keys.h"
#include "reader_test_support.h"

namespace {

using platform::PlistDict;
using platform::PlistValue;

PlistDict Import(const std::string& body) { return jtkt_test::Imported(jtkt_test::Framed(body)); }

using jtkt_test::At;

std::string Shift(int x1) {
  return "<x-side1-image-shift syntax=\"integer\">" + std::to_string(x1) +
         "</x-side1-image-shift><y-side1-image-shift syntax=\"integer\">-250</y-side1-image-shift>";
}

class ReaderSettings : public jtkt_test::ReaderTest {};

TEST_F(ReaderSettings, ImageShiftsComeBackInTheUnitTheyLeftIn) {
  // 25.4 hundredths of a millimetre to the hundredth of an inch: 1 inch is 2540, 0.01 inch 25.
  EXPECT_EQ(*At(Import(Shift(25)), kImageShiftOptionsJobKey, kImageShiftInchesKey), PlistValue(1));
  EXPECT_EQ(*At(Import(Shift(150)), kImageShiftOptionsJobKey, kImageShiftInchesKey), PlistValue(0));
  EXPECT_EQ(*At(Import(Shift(150)), kImageShiftOptionsJobKey, kImageShiftFullPrecisionKey), PlistValue(true));
}

TEST_F(ReaderSettings, PadsAndTheirJobType) {
  const std::string pads = "<pad-printing syntax=\"collection\"><cover-back-pad syntax=\"collection\">"
                           "<media syntax=\"keyword\">post-fuser-inserter</media></cover-back-pad>"
                           "<pad-printing-type syntax=\"keyword\">pads-single-back-cover</pad-printing-type></pad-printing>";
  const PlistDict alone = Import(pads);
  EXPECT_EQ(*At(alone, kPadBackCoverKey), PlistValue("Blank Back Cover"));
  EXPECT_EQ(*At(alone, kPadLevelStockKey), PlistValue(PlistDict{{"Source", 10}}));
  // The count is not in the file; the pads are on in a job type the file names, and only there.
  EXPECT_EQ(*At(alone, kNoOfPadsKey), PlistValue(1));
  EXPECT_EQ(At(alone, kJobTypeKey), nullptr);
  const PlistDict held = Import("<job-hold-until syntax=\"keyword\">indefinite</job-hold-until>" + pads);
  EXPECT_EQ(*At(held, kJobTypeKey, kJobTypePadEnableKey), PlistValue(true));
}

TEST_F(ReaderSettings, TwoHighlightGroupsGoBackToTheTicketAndTheJob) {
  const std::string group1 = "<highlight-colorant syntax=\"keyword\">cyan</highlight-colorant>"
                             "<highlight-map syntax=\"keyword\">pictorial</highlight-map>";
  const std::string group2 = "<highlight-colorant-color-custom-col syntax=\"collection\"><color-srgb-col syntax=\"collection\">"
                             "<color-srgb-red syntax=\"integer\">255</color-srgb-red>"
                             "<color-srgb-green syntax=\"integer\">1</color-srgb-green>"
                             "<color-srgb-blue syntax=\"integer\">2</color-srgb-blue></color-srgb-col>"
                             "</highlight-colorant-color-custom-col><highlight-colorant syntax=\"keyword\">other</highlight-colorant>";
  const PlistDict both = Import(group1 + group2);
  EXPECT_EQ(*At(both, "HiglightPrintingColor"), PlistValue(4));
  EXPECT_EQ(*At(both, "HighlightMappingAlgorithm"), PlistValue(2));
  const char* job = "com.korvo.print.HighlightColorOptionsJob";
  EXPECT_EQ(*At(both, job, "HiglightPrintingColor"), PlistValue(13));
  EXPECT_EQ(*At(both, job, "HighlightColorPrintingRGB"), PlistValue(1));
  EXPECT_EQ(*At(both, job, "HighlightColorPrintingG"), PlistValue(1));
  // A lone group is the job's, unless it came before the job's image shift.
  EXPECT_EQ(*At(Import(group1), job, "HiglightPrintingColor"), PlistValue(4));
  EXPECT_EQ(*At(Import(group1 + Shift(25)), "HiglightPrintingColor"), PlistValue(4));
}

}  // namespace

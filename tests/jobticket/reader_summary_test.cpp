// The summary text of a set of job-ticket settings, with the plug-in's English labels.
#include <gtest/gtest.h>

#include "jobticket/reader/jtkt_summary.h"
#include "jobticket/writer/jtkt_finishing.h"
#include "model/job_level_stock.h"
#include "model/job_notes_keys.h"
#include "model/paper_output_keys.h"
#include "platform/bundle/bundle.h"
#include "support/test_support.h"
#include "vocabulary/printer_default.h"

namespace {

using platform::PlistDict;

std::string L(const char* key) {
  return platform::Bundle::withIdentifier("com.korvo.print.pde.korvofeatures.runnel_kkp50_cs")->localizedString(key);
}

class ReaderSummary : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(platform::Bundle::open(korvo_test::BundlePath())); }
  static JTKTSummaryLines Lines(const PlistDict& settings) {
    JTKTSummaryLines lines;
    buildSummaryText(&settings, &lines);
    return lines;
  }
};

TEST_F(ReaderSummary, AnEmptySetHasOnlyHeadersAndBlankLines) {
  EXPECT_EQ(Lines({}), (JTKTSummaryLines{"Job Notes", " ", "Job Setup", " ", "Output", " ", "Image Adjustment", " ", " ",
                                         " ", " ", " "}));
}

TEST_F(ReaderSummary, JobSetupShowsTheDuplexAndTheStocksFields) {
  const PlistDict settings{{kFinishingDuplexKey, 2},
                           {kJobLevelStockKey, PlistDict{{"Weight", 90}, {"Description", "Cream"}}},
                           {kJobNotesJobNameKey, "Menu %@ %s %n"}};
  const JTKTSummaryLines lines = Lines(settings);
  ASSERT_GE(lines.size(), 7u);
  EXPECT_EQ(lines[1], "\t\tJob Name: Menu %@ %s %n");  // the file's text is never a format
  EXPECT_EQ(lines[4], "\t\t" + L("Duplex") + ": " + L("DuplexLong"));
  EXPECT_EQ(lines[5], "\t\tPaper Stock: ");
  EXPECT_EQ(lines[6], "\t\t\tWeight = 90 gsm");
  EXPECT_EQ(lines[7], "\t\t\tDescription = Cream");
  const JTKTSummaryLines unset = Lines({{kJobLevelStockKey, PlistDict{{"Weight", kPrinterDefault}}}});
  EXPECT_EQ(unset[4], " ");  // no weight line after the paper stock heading
}

TEST_F(ReaderSummary, FinishingLinesFollowTheOptionAndEveryStapleKey) {
  const JTKTSummaryLines punchAndStaple = Lines({{kFinishingOptionsKey, 49},
                                                 {kFinishingHolePunchValueKey, 33},
                                                 {kFinishingStaple1ValueKey, 5}});
  EXPECT_EQ(punchAndStaple[5], "\t\tStapling/Finishing: ");
  EXPECT_EQ(punchAndStaple[6], "\t\t\tHole Punch, Portrait - Top, Landscape - Right");
  EXPECT_EQ(punchAndStaple[7], "\t\t\t1 Staple, Portrait - Top Left, Landscape - Top Right");
  // A staple value held only by the second staple key still shows, as the writer sends it.
  const JTKTSummaryLines second = Lines({{kFinishingOptionsKey, 9}, {kFinishingStaple2ValueKey, 11}});
  EXPECT_EQ(second[6], "\t\t\t2 Staples, Portrait - Top, Landscape - Right");
  const JTKTSummaryLines output = Lines({{kFinishingSlipSheetKey, 2}, {kFinishingOutputDestinationKey, 4}});
  EXPECT_EQ(output[5], "\t\tSlip Sheets: On");
  EXPECT_EQ(output[6], "\t\tOutput Location: " + L("StackerTray"));
}

}  // namespace

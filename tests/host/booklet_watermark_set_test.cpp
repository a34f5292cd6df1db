// The Booklet/Watermark panel through korvo-pde as a print room uses it: booklet on and off in two
// runs gives a one-sided job back its one side, a form to merge with is exported, and a new
// watermark is filed where the print path's tools read it.
#include <gtest/gtest.h>

#include "host/korvo_pde_runner.h"
#include "support/test_support.h"

namespace {

using host_test::ExpectHas;
using host_test::Has;
using host_test::RunPde;
using host_test::RunSet;

class BookletWatermarkSet : public host_test::SessionTest {
 protected:
  std::string watermarks = home.dir().file("data/Korvo/com.korvo.printing.watermarks.plist");
};

// Booklet on from this panel, or from Paper/Output's booklet dialog (whose Cancel changes nothing).
TEST_F(BookletWatermarkSet, BookletOffInALaterRunGivesTheOneSidedJobBackAndKeepsIt) {
  const std::vector<std::string> ways[] = {{"TwoSided=One-Sided", "BookletLayout=Enabled"},
                                           {"Finishing=Booklet Creation...>Booklet Fold"}};
  for (const std::vector<std::string>& on : ways) {
    SCOPED_TRACE(on.back());
    const std::string file = dir.file(std::to_string(on.size()) + ".plist");
    std::string out;
    ASSERT_EQ(RunSet(file, {"TwoSided=One-Sided"}, &out), 0) << out;
    const std::string oneSided = korvo_test::ReadFile(file);
    ASSERT_EQ(RunSet(file, {"Finishing=Booklet Creation...>Booklet Fold>Gutter=30>Cancel"}, &out), 0) << out;
    EXPECT_EQ(korvo_test::ReadFile(file), oneSided);
    ASSERT_EQ(RunSet(file, on, &out), 0) << out;
    ExpectHas(out, {"com.korvo.print.BookletLayout = true\n", "com.korvo.print.FinishingDuplex = 3\n",
                    "com.apple.print.PrintSettings.PMDuplexing = 3\n"});
    ASSERT_EQ(RunSet(file, {"BookletLayout=Disabled"}, &out), 0) << out;
    ASSERT_EQ(RunPde("show --session " + file, &out), 0) << out;
    ExpectHas(out, {"com.korvo.print.BookletLayout = false\n", "com.korvo.print.FinishingDuplex = 1\n",
                    "com.apple.print.PrintSettings.PMDuplexing = 1\n"});
    EXPECT_FALSE(Has(out, "BookletDuplexBefore")) << out;
  }
}

// A run in between that changes something else reads the booklet's ticket back and writes it
// again: the side it keeps for booklet off must still be the job's own, not the booklet's.
TEST_F(BookletWatermarkSet, TheJobsOwnSidesSurviveARunInBetween) {
  std::string out;
  ASSERT_EQ(RunSet(session, {"TwoSided=Two-Sided (Long Edge)", "BookletLayout=Enabled"}, &out), 0) << out;
  ASSERT_EQ(RunSet(session, {"Recipient=Print room"}, &out), 0) << out;
  ASSERT_EQ(RunSet(session, {"BookletLayout=Disabled"}, &out), 0) << out;
  ExpectHas(out, {"com.korvo.print.BookletLayout = false\n", "com.korvo.print.FinishingDuplex = 2\n"});
}

TEST_F(BookletWatermarkSet, AFormToMergeWithIsExportedForAnyJob) {
  std::string out;
  ASSERT_EQ(RunSet(session, {"BackgroundForm=Setup...>FormName=Letterhead"}, &out), 0) << out;
  const std::string xml = dir.file("job.xml");
  ASSERT_EQ(RunPde("export --session " + session + " -o " + xml, &out), 0) << out;
  const std::string written = korvo_test::ReadFile(xml);
  EXPECT_TRUE(Has(written, "<form-name syntax=\"name\" xml:space=\"preserve\">Letterhead</form-name>")) << written;
  EXPECT_FALSE(Has(written, "<form-save")) << written;  // a normal job is not saved as a form
  EXPECT_EQ(korvo_test::RunCommand("xmllint --noout " + xml + " 2>&1", &out), 0) << out;
}

// What the editor files is a property list the print path's own tools read.
TEST_F(BookletWatermarkSet, ANewWatermarkIsReadByPlistlib) {
  std::string out;
  ASSERT_EQ(RunSet(session, {"Watermark=New...>Text=Proof>Angle=30>Density=40"}, &out), 0) << out;
  EXPECT_TRUE(Has(out, "com.korvo.print.watermark.Watermark = \"Proof\"\n")) << out;
  ASSERT_EQ(host_test::RunPython("d=plistlib.load(open(sys.argv[1],\"rb\")); "
                                 "print(d[\"WatermarkListEntries\"][-1], d[\"Proof\"][\"angle\"], d[\"Proof\"][\"density\"])",
                                 watermarks, &out),
            0)
      << out;
  EXPECT_EQ(out, "Proof 30 40\n");
}

// The sample printer folds no booklets: its booklet options are the layout's alone.
TEST_F(BookletWatermarkSet, BookletOptionsOnAPrinterWithoutFoldingOfferTheLayoutAlone) {
  std::string out;
  ASSERT_EQ(RunSet(session, {"BookletLayout=Enabled", "BookletOptions=click>Gutter=40"}, &out), 0) << out;
  EXPECT_TRUE(Has(out, "com.korvo.print.Gutter = 40\n")) << out;
  const std::string err = host_test::ExpectRefused(session, {"BookletOptions=click>Booklet Fold"});
  EXPECT_TRUE(Has(err, "Booklet Fold")) << err;
}

}  // namespace

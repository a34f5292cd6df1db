// The Booklet/Watermark panel through korvo-pde as a print room uses it: booklet on and off in two
// runs gives a one-sided job back its one side, and a saved watermark with its options is set,
// shown and drawn.
#include <gtest/gtest.h>

#include "host/korvo_pde_runner.h"
#include "support/test_support.h"

namespace {

using host_test::RunPde;

class BookletWatermarkSet : public ::testing::Test {
 protected:
  korvo_test::ScopedXdgHome home;
  korvo_test::TempDir dir;
  std::string session = dir.file("s.plist");
  static bool Has(const std::string& text, const std::string& line) { return text.find(line) != std::string::npos; }
};

TEST_F(BookletWatermarkSet, BookletOffInALaterRunGivesTheOneSidedJobBackAndKeepsIt) {
  std::string out;
  ASSERT_EQ(RunPde("set --session " + session + " TwoSided=One-Sided BookletLayout=Enabled", &out), 0) << out;
  EXPECT_TRUE(Has(out, "com.korvo.print.FinishingDuplex = 3\n")) << out;
  EXPECT_TRUE(Has(out, "com.apple.print.PrintSettings.PMDuplexing = 3\n")) << out;
  ASSERT_EQ(RunPde("set --session " + session + " BookletLayout=Disabled", &out), 0) << out;
  ASSERT_EQ(RunPde("show --session " + session, &out), 0) << out;
  EXPECT_TRUE(Has(out, "com.korvo.print.BookletLayout = false\n")) << out;
  EXPECT_TRUE(Has(out, "com.korvo.print.FinishingDuplex = 1\n")) << out;
  EXPECT_TRUE(Has(out, "com.apple.print.PrintSettings.PMDuplexing = 1\n")) << out;
  EXPECT_FALSE(Has(out, "BookletDuplexBefore")) << out;
}

TEST_F(BookletWatermarkSet, BookletCreationInPaperOutputAndBookletOffHere) {
  std::string out;
  ASSERT_EQ(RunPde("set --session " + session + " TwoSided=One-Sided", &out), 0) << out;
  const std::string oneSided = korvo_test::ReadFile(session);
  ASSERT_EQ(RunPde("set --session " + session + " 'Finishing=Booklet Creation...>Booklet Fold>Gutter=30>Cancel'", &out),
            0)
      << out;
  EXPECT_EQ(korvo_test::ReadFile(session), oneSided);  // Cancel changes nothing
  ASSERT_EQ(RunPde("set --session " + session + " 'Finishing=Booklet Creation...>Booklet Fold'", &out), 0) << out;
  ASSERT_EQ(RunPde("show --session " + session, &out), 0) << out;
  for (const char* line : {"com.korvo.print.BookletLayout = true\n", "com.korvo.print.FinishingOptions = 24\n",
                           "com.korvo.print.FinishingFoldValue = 43\n", "com.korvo.print.FinishingDuplex = 3\n"})
    EXPECT_TRUE(Has(out, line)) << line << out;
  ASSERT_EQ(RunPde("set --session " + session + " BookletLayout=Disabled", &out), 0) << out;
  ASSERT_EQ(RunPde("show --session " + session, &out), 0) << out;
  EXPECT_TRUE(Has(out, "com.korvo.print.FinishingDuplex = 1\n")) << out;
  EXPECT_TRUE(Has(out, "com.apple.print.PrintSettings.PMDuplexing = 1\n")) << out;
}

TEST_F(BookletWatermarkSet, ASavedWatermarkIsSetShownAndDrawn) {
  std::string out;
  ASSERT_EQ(RunPde("set --session " + session + " Watermark=Confidential 'Watermark=Options>Over Page Content'", &out),
            0)
      << out;
  // The preview drew it, so its font travels as a subset of the glyphs it uses.
  for (const char* line : {"com.korvo.print.watermark.Watermark = \"Confidential\"\n",
                           "com.korvo.print.watermark.Option = 3\n", "com.korvo.print.watermark.FirstPageOnly = 0\n",
                           "com.korvo.print.watermark.SubsetFontName = \"KV-ArialMT-KV\"\n"})
    EXPECT_TRUE(Has(out, line)) << line << out;
  const std::string picture = dir.file("w.png");
  ASSERT_EQ(RunPde("watermark --session " + session + " -o " + picture, &out, true), 0) << out;
  EXPECT_EQ(korvo_test::ReadFile(picture).substr(1, 3), "PNG");

  const std::string before = korvo_test::ReadFile(session);
  EXPECT_EQ(RunPde("set --session " + session + " 'Watermark=Nothing Saved' 2>&1 >/dev/null", &out), 1);
  EXPECT_EQ(out.rfind("ERROR: ", 0), 0u) << out;
  EXPECT_EQ(korvo_test::ReadFile(session), before);
}

// The name typed is "Confidential" in other letters: the editor's OK is refused with an alert no
// step answers, so set ends with one ERROR line and neither file changes.
TEST_F(BookletWatermarkSet, ANewWatermarkWithATakenNameChangesNoFile) {
  std::string out;
  ASSERT_EQ(RunPde("set --session " + session + " Watermark=Draft", &out), 0) << out;
  const std::string watermarks = std::string(std::getenv("XDG_DATA_HOME")) + "/Korvo/com.korvo.printing.watermarks.plist";
  const std::string savedWatermarks = korvo_test::ReadFile(watermarks), saved = korvo_test::ReadFile(session);
  EXPECT_EQ(RunPde("set --session " + session + " 'Watermark=New...>Text=confidential' 2>&1 >/dev/null", &out), 1);
  EXPECT_EQ(out.rfind("ERROR: ", 0), 0u) << out;
  EXPECT_EQ(out.find('\n'), out.size() - 1) << out;  // one line
  EXPECT_EQ(korvo_test::ReadFile(watermarks), savedWatermarks);
  EXPECT_EQ(korvo_test::ReadFile(session), saved);
}

TEST_F(BookletWatermarkSet, AFormToMergeWithIsExportedForAnyJob) {
  std::string out;
  ASSERT_EQ(RunPde("set --session " + session + " 'BackgroundForm=Setup...>FormName=Letterhead'", &out), 0) << out;
  const std::string xml = dir.file("job.xml");
  ASSERT_EQ(RunPde("export --session " + session + " -o " + xml, &out), 0) << out;
  const std::string written = korvo_test::ReadFile(xml);
  EXPECT_TRUE(Has(written, "<form-name syntax=\"name\" xml:space=\"preserve\">Letterhead</form-name>")) << written;
  EXPECT_FALSE(Has(written, "<form-save")) << written;  // a normal job is not saved as a form
  EXPECT_EQ(korvo_test::RunCommand("xmllint --noout " + xml + " 2>&1", &out), 0) << out;
}

TEST_F(BookletWatermarkSet, TheEditorAndTheFormSetupCancelledChangeNothing) {
  std::string out;
  ASSERT_EQ(RunPde("set --session " + session + " Watermark=Copy 'JobType=Background Form'", &out), 0) << out;
  const std::string watermarks = std::string(std::getenv("XDG_DATA_HOME")) + "/Korvo/com.korvo.printing.watermarks.plist";
  const std::string savedWatermarks = korvo_test::ReadFile(watermarks), saved = korvo_test::ReadFile(session);
  for (const char* choice : {"'Watermark=New...>Text=Proof>Angle=10>Cancel'", "'Watermark=Edit...>Text=Copy 2>Cancel'",
                             "'BackgroundForm=Setup...>FormName=Letterhead>Cancel'",
                             "'JobTypeSetup=SavedFormName=Invoice>FormSetup=click>FormName=Cover>OK>Cancel'"}) {
    ASSERT_EQ(RunPde("set --session " + session + " " + choice, &out), 0) << choice << out;
    EXPECT_EQ(korvo_test::ReadFile(session), saved) << choice;
    EXPECT_EQ(korvo_test::ReadFile(watermarks), savedWatermarks) << choice;
  }
}

// What the editor files is a property list the print path's own tools read.
TEST_F(BookletWatermarkSet, ANewWatermarkIsReadByPlistlib) {
  std::string out;
  ASSERT_EQ(RunPde("set --session " + session + " 'Watermark=New...>Text=Proof>Angle=30>Density=40'", &out), 0) << out;
  EXPECT_TRUE(Has(out, "com.korvo.print.watermark.Watermark = \"Proof\"\n")) << out;
  const std::string watermarks = std::string(std::getenv("XDG_DATA_HOME")) + "/Korvo/com.korvo.printing.watermarks.plist";
  ASSERT_EQ(korvo_test::RunCommand("python3 -c 'import plistlib,sys; d=plistlib.load(open(sys.argv[1],\"rb\")); "
                                   "print(d[\"WatermarkListEntries\"][-1], d[\"Proof\"][\"angle\"], d[\"Proof\"][\"density\"])' " +
                                       watermarks,
                                   &out),
            0);
  EXPECT_EQ(out, "Proof 30 40\n");
}

// The sample printer folds no booklets: its booklet options are the layout's alone.
TEST_F(BookletWatermarkSet, BookletOptionsOnAPrinterWithoutFoldingOfferTheLayoutAlone) {
  std::string out;
  ASSERT_EQ(RunPde("set --session " + session + " BookletLayout=Enabled 'BookletOptions=click>Gutter=40'", &out), 0)
      << out;
  EXPECT_TRUE(Has(out, "com.korvo.print.Gutter = 40\n")) << out;
  EXPECT_EQ(RunPde("set --session " + session + " 'BookletOptions=click>Booklet Fold' 2>&1 >/dev/null", &out), 1);
  EXPECT_NE(out.find("Booklet Fold"), std::string::npos) << out;
}

}  // namespace

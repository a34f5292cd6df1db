// Hostile and damaged files: each is refused whole with one clear error, or loses only its bad
// settings; nothing else of the import changes. The import fuzzer's seeds are among them.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "jobticket/reader/jtkt_reader.h"
#include "jobticket/writer/jtkt_finishing.h"
#include "jobticket/writer/jtkt_job_attributes.h"
#include "jtkt_test_support.h"
#include "model/advanced_keys.h"
#include "model/image_options_keys.h"
#include "model/image_shift_options.h"
#include "model/job_level_stock.h"
#include "model/job_notes_keys.h"
#include "model/paper_output_keys.h"
#include "model/special_pages_ticket.h"
#include "support/test_support.h"
#include "vocabulary/printer_default.h"

namespace {

using platform::PlistArray;
using platform::PlistDict;
using platform::PlistValue;

std::string Hostile(const std::string& name) { return korvo_test::ReadFile(korvo_test::DataPath("jobticket/hostile/" + name)); }

long Count(const std::string& text, const std::string& what) {
  long n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

using jtkt_test::At;

class ReaderHostile : public jtkt_test::ReaderTest {
 protected:
  // An import dictionary that already holds what an earlier file gave.
  PlistDict earlier{{kJobNotesJobNameKey, "Earlier"}, {kFinishingDuplexKey, 3}};
};

TEST_F(ReaderHostile, FilesThatAreNotJobTicketsAreRefusedWholeAndNamed) {
  struct Case {
    const char* file;
    const char* why;
  };
  const Case cases[] = {{"external_entity.xml", "declares entities"},
                        {"billion_laughs.xml", "declares entities"},
                        {"wrong_root.xml", "not a job ticket (the root <plist>"},
                        {"no_template_group.xml", "not a job ticket (the root <jtkt>"},
                        {"truncated.xml", "not well-formed XML (line "}};
  for (const Case& c : cases) {
    PlistDict dictionary = earlier;
    int status = 0;
    const std::string err = jtkt_test::ImportErrors(Hostile(c.file), &dictionary, &status);
    EXPECT_EQ(status, kJTKTUnreadableFile) << c.file;
    EXPECT_EQ(dictionary, earlier) << c.file;
    EXPECT_TRUE(err.starts_with("ERROR: hostile.xml: ")) << err;
    EXPECT_NE(err.find(c.why), std::string::npos) << err;
    EXPECT_EQ(Count(err, "\n"), 1) << err;
  }
  PlistDict dictionary = earlier;
  EXPECT_EQ(jtkt_test::ImportErrors("", &dictionary), "ERROR: hostile.xml: the file is empty; nothing was imported\n");
}

TEST_F(ReaderHostile, ATenMegabyteCommentInAFileUnderTheCapIsNoError) {
  const std::string document = jtkt_test::Golden("plain_job.xml");
  const std::size_t root = document.find("<jtkt");
  ASSERT_NE(root, std::string::npos);
  const std::string commented =
      document.substr(0, root) + "<!-- " + std::string(10 << 20, 'x') + " -->\n" + document.substr(root);
  PlistDict dictionary;
  EXPECT_EQ(jtkt_test::ImportErrors(commented, &dictionary), "");
  EXPECT_EQ(*At(dictionary, kJobNotesJobNameKey), PlistValue("Spring catalogue"));
}

TEST_F(ReaderHostile, ASixtyFiveMegabyteFileIsRefusedBeforeItIsRead) {
  korvo_test::TempDir dir;
  const std::string path = dir.file("huge.xml");
  {
    std::ofstream out(path, std::ios::binary);
    out << "<jtkt><job-template-attributes><job-sheet-message syntax=\"name\">";
    const std::string block(1 << 20, 'x');
    for (int i = 0; i < 65; ++i) out << block;
    out << "</job-sheet-message></job-template-attributes></jtkt>";
  }
  PlistDict dictionary = earlier;
  testing::internal::CaptureStderr();
  EXPECT_EQ(JTKTImportFileAtPath(path.c_str(), &dictionary), kJTKTUnreadableFile);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(dictionary, earlier);
  EXPECT_EQ(err, "ERROR: " + path + " is larger than 64 MB; nothing was imported\n");
  // A folder is no job ticket either, and says so rather than giving a size.
  testing::internal::CaptureStderr();
  EXPECT_EQ(JTKTImportFileAtPath(dir.path().c_str(), &dictionary), kJTKTUnreadableFile);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "ERROR: " + dir.path() + " is a folder, not a file; nothing was imported\n");
}

TEST_F(ReaderHostile, WrongValueTypesLoseOnlyTheirOwnSettings) {
  PlistDict dictionary;
  const std::string err = jtkt_test::ImportErrors(Hostile("wrong_value_types.xml"), &dictionary);
  EXPECT_EQ(Count(err, "ERROR: hostile.xml: line "), 3) << err;
  EXPECT_NE(err.find("<media-weight-metric> \"heavy\" is not a number"), std::string::npos) << err;
  EXPECT_NE(err.find("<media-hole-count> \"3.0\" is not a whole number"), std::string::npos) << err;
  EXPECT_NE(err.find("<x-side1-image-shift> \"1.5\" is not a whole number"), std::string::npos) << err;
  // The bad values fall back to the printer's default; the good ones beside them arrive.
  EXPECT_EQ(*At(dictionary, kJobLevelStockKey, "Weight"), PlistValue(kPrinterDefault));
  EXPECT_EQ(*At(dictionary, kJobLevelStockKey, "Punched"), PlistValue(kPrinterDefault));
  EXPECT_EQ(*At(dictionary, kJobLevelStockKey, "Color"), PlistValue(2));
  EXPECT_EQ(*At(dictionary, kFinishingDuplexKey), PlistValue(kPrinterDefault));
  EXPECT_EQ(At(dictionary, kImageShiftOptionsJobKey, "X1"), nullptr);
  EXPECT_EQ(*At(dictionary, kImageShiftOptionsJobKey, "Y1"), PlistValue(250));
  EXPECT_EQ(*At(dictionary, kLightenDarkenKey), PlistValue(kPrinterDefault));
  EXPECT_EQ(*At(dictionary, kAdvancedRotateImage180Key), PlistValue(0));
  EXPECT_EQ(*At(dictionary, kJobNotesJobNameKey), PlistValue("Kept"));
}

TEST_F(ReaderHostile, OutOfRangeNumbersAreDroppedOneByOneWithAnError) {
  PlistDict dictionary;
  const std::string err = jtkt_test::ImportErrors(Hostile("out_of_range.xml"), &dictionary);
  for (const char* what : {"<media-order-count> 300 is out of range", "<media-weight-metric> \"5000\" is out of range",
                           "<adjust-bw-darkness-value> \"99999999999\" is out of range",
                           "<value> \"0\" is out of range", "<x-side2-image-shift> \"-2147483649\" is out of range",
                           "an insert needs a page number of at least 0 and a count of at least 1",
                           "the page range is not 1 <= lower <= upper"})
    EXPECT_NE(err.find(what), std::string::npos) << what << "\n" << err;
  EXPECT_EQ(Count(err, "ERROR: hostile.xml: line "), 7) << err;
  const PlistDict& stock = *At(dictionary, kJobLevelStockKey)->asDictionary();
  EXPECT_EQ(stock.at("Type"), PlistValue(7));  // a named type without its order count
  EXPECT_EQ(stock.at("CustomType"), PlistValue("Ledger"));
  EXPECT_EQ(stock.at("Modulus"), PlistValue(kPrinterDefault));
  EXPECT_EQ(stock.at("Weight"), PlistValue(kPrinterDefault));
  EXPECT_EQ(stock.at("Color"), PlistValue(3));
  EXPECT_EQ(At(dictionary, kFinishingOffsetEnableSubsetKey), nullptr);
  EXPECT_EQ(At(dictionary, kImageShiftOptionsJobKey, "X2"), nullptr);
  EXPECT_EQ(*At(dictionary, kImageShiftOptionsJobKey, "Y2"), PlistValue(-25400));  // the bound itself
  const PlistArray& inserts = *At(dictionary, kInsertListKey)->asArray();
  ASSERT_EQ(inserts.size(), 1u);
  EXPECT_EQ(inserts[0].asDictionary()->at("StartPage"), PlistValue(5));
  const PlistArray& exceptions = *At(dictionary, kExceptionListKey)->asArray();
  ASSERT_EQ(exceptions.size(), 1u);
  EXPECT_EQ(exceptions[0].asDictionary()->at("EndPage"), PlistValue(2));
}

TEST_F(ReaderHostile, UnknownKeywordsAreNamedAndLeftOutAndUnknownElementsIgnored) {
  PlistDict dictionary;
  // A set's value is named once, and only when none of the features that read the set knows it.
  EXPECT_EQ(jtkt_test::ImportErrors(Hostile("unknown_keywords.xml"), &dictionary),
            "ERROR: hostile.xml: line 4: <sides> \"three-sided\" is not a value the printer knows; the setting is not imported\n"
            "ERROR: hostile.xml: line 6: <media-color> \"ultraviolet\" is not a value the printer knows; the setting is not imported\n"
            "ERROR: hostile.xml: line 10: <value> \"9999\" is not a value the printer knows; the setting is not imported\n");
  EXPECT_EQ(*At(dictionary, kFinishingDuplexKey), PlistValue(kPrinterDefault));  // the profile's default
  EXPECT_EQ(At(dictionary, kJobLevelStockKey, "Color"), nullptr);
  EXPECT_EQ(*At(dictionary, kJobLevelStockKey, "kGrain"), PlistValue(1));
  EXPECT_EQ(*At(dictionary, kFinishingStaple1ValueKey), PlistValue(5));
  EXPECT_EQ(*At(dictionary, kFinishingOptionsKey), PlistValue(4));
  EXPECT_EQ(*At(dictionary, kFinishingOutputDestinationKey), PlistValue(4));
}

// The import fuzzer's seeds (and every input it ever found failing): each is imported or refused
// whole.
TEST_F(ReaderHostile, EveryImportSeedIsImportedOrRefusedWhole) {
  JTKTSetImportErrorStream(nullptr);
  const int seeds = korvo_test::ReplayFuzzCorpus("jobticket_import", [&](const std::string& bytes) {
    PlistDict dictionary = earlier;
    const platform::OSStatus status = JTKTImportDocument(bytes, "seed.xml", &dictionary);
    EXPECT_TRUE(status == platform::noErr || (status == kJTKTUnreadableFile && dictionary == earlier));
  });
  JTKTSetImportErrorStream(stderr);
  EXPECT_GE(seeds, 8);
}

}  // namespace

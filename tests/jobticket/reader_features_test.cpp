// The reader's conversions on small documents, beyond the bytes the round trips check: paths and
// syntax classes, finishing and its derived option, job offset, stock, covers, saved jobs and
// forms, the unit of image shifts, pads and their job type, the two highlight groups, blank text,
// and how several files combine; and the summary text of a set of job-ticket settings, with the
// plug-in's English labels.
#include <gtest/gtest.h>

#include <libxml/parser.h>

#include <optional>

#include "jobticket/reader/jtkt_import_node.h"
#include "jobticket/reader/jtkt_reader.h"
#include "jobticket/reader/jtkt_summary.h"
#include "jobticket/writer/jtkt_finishing.h"
#include "jobticket/writer/jtkt_job_attributes.h"
#include "jtkt_test_support.h"
#include "model/background_forms_options.h"
#include "model/image_shift_options.h"
#include "model/job_level_stock.h"
#include "model/job_notes_keys.h"
#include "model/paper_output_keys.h"
#include "model/special_pages_ticket.h"
#include "platform/bundle/bundle.h"
#include "platform/plist/plist_description.h"
#include "support/test_support.h"
#include "vocabulary/printer_default.h"

namespace {

using platform::PlistDict;
using platform::PlistValue;
using jtkt_test::At;
using jtkt_test::Framed;

class ReaderFeatures : public jtkt_test::ReaderTest {};

std::string Shift(int x1) {
  return "<x-side1-image-shift syntax=\"integer\">" + std::to_string(x1) +
         "</x-side1-image-shift><y-side1-image-shift syntax=\"integer\">-250</y-side1-image-shift>";
}

// Each document is imported alone; every value named is what the import holds under key (and
// member), none where the value is absent; stderr holds the error named, or nothing.
TEST_F(ReaderFeatures, EachDocumentImportsToItsValues) {
  struct Value {
    const char* key;
    const char* member;
    std::optional<PlistValue> value;
  };
  struct Case {
    const char* name;
    std::string document;
    std::vector<Value> values;
    const char* error = "";
  };
  const std::string pads = "<pad-printing syntax=\"collection\"><cover-back-pad syntax=\"collection\">"
                           "<media syntax=\"keyword\">post-fuser-inserter</media></cover-back-pad>"
                           "<pad-printing-type syntax=\"keyword\">pads-single-back-cover</pad-printing-type></pad-printing>";
  const std::string group1 = "<highlight-colorant syntax=\"keyword\">cyan</highlight-colorant>"
                             "<highlight-map syntax=\"keyword\">pictorial</highlight-map>";
  const std::string group2 = "<highlight-colorant-color-custom-col syntax=\"collection\"><color-srgb-col syntax=\"collection\">"
                             "<color-srgb-red syntax=\"integer\">255</color-srgb-red>"
                             "<color-srgb-green syntax=\"integer\">1</color-srgb-green>"
                             "<color-srgb-blue syntax=\"integer\">2</color-srgb-blue></color-srgb-col>"
                             "</highlight-colorant-color-custom-col><highlight-colorant syntax=\"keyword\">other</highlight-colorant>";
  const auto offset = [](const std::string& a, const std::string& b) {
    return Framed("<job-offset syntax=\"1setOf\"><value syntax=\"keyword\">" + a + "</value><value syntax=\"keyword\">" + b +
                  "</value></job-offset>");
  };
  const char* job = "com.korvo.print.HighlightColorOptionsJob";
  const Case cases[] = {
      // "1StapleTopLeft" and "2StaplesTop": both staples, and the option of the later staple key.
      {"two staples",
       Framed("<finishings syntax=\"1setOf\"><value syntax=\"enum\">20</value><value syntax=\"enum\">29</value></finishings>"),
       {{kFinishingStaple1ValueKey, nullptr, 5}, {kFinishingStaple2ValueKey, nullptr, 11}, {kFinishingOptionsKey, nullptr, 9}}},
      {"offset set and subset", offset("offset-set", "offset-subset"), {{kFinishingOffsetKey, nullptr, 5}}},
      {"offset in either order", offset("offset-subset", "offset-set"), {{kFinishingOffsetKey, nullptr, 5}}},
      {"offset subset alone", offset("offset-subset", "none"), {{kFinishingOffsetKey, nullptr, 2}}},
      {"pages per subset",
       Framed("<pages-per-subset syntax=\"1setOf\"><value syntax=\"integer\">7</value></pages-per-subset>"),
       {{kFinishingOffsetPagesPerSubsetKey, nullptr, 7}, {kFinishingOffsetEnableSubsetKey, nullptr, 1}}},
      {"custom stock",
       Framed("<media-col><media-size><x-dimension syntax=\"integer\">21590</x-dimension><y-dimension syntax=\"integer\">"
              "27940</y-dimension></media-size><media-type syntax=\"name\">Linen</media-type><media-order-count "
              "syntax=\"integer\">3</media-order-count><media-front-coating syntax=\"keyword\">glossy</media-front-coating>"
              "<media-back-coating syntax=\"keyword\">none</media-back-coating></media-col>"),
       {{kJobLevelStockKey, "Size", 75}, {kJobLevelStockKey, "Width", 21590}, {kJobLevelStockKey, "Length", 27940},
        {kJobLevelStockKey, "Type", 6}, {kJobLevelStockKey, "CustomType", "Linen"}, {kJobLevelStockKey, "Modulus", 3},
        {kJobLevelStockKey, "SidesCoated", 2}, {kJobLevelStockKey, "kCoatingType", 1}}},
      {"stock too wide",
       Framed("<media-col><media-size><x-dimension syntax=\"integer\">90000</x-dimension><y-dimension syntax=\"integer\">"
              "27940</y-dimension></media-size><media-back-coating syntax=\"keyword\">matte</media-back-coating></media-col>"),
       {{kJobLevelStockKey, "Size", kPrinterDefault}, {kJobLevelStockKey, "Width", std::nullopt},
        {kJobLevelStockKey, "SidesCoated", 4}, {kJobLevelStockKey, "kCoatingType", 5}},
       "beyond the printer's limits"},
      // The cover type wins over the cover's sides; no page inside a page; no form name, no form.
      {"cover, saved job and forms",
       Framed("<cover-front><sides syntax=\"keyword\">one-sided</sides><cover-type syntax=\"keyword\">print-both</cover-type>"
              "<page-overrides><value><pages><value><lower-bound syntax=\"integer\">1</lower-bound><upper-bound "
              "syntax=\"integer\">2</upper-bound></value></pages></value></page-overrides></cover-front>"
              "<job-save-disposition><save-disposition syntax=\"keyword\">save-only</save-disposition><save-info><value>"
              "<save-name syntax=\"name\">Reprint</save-name></value></save-info></job-save-disposition>"
              "<forms-col><value><form-cycle-start syntax=\"integer\">2</form-cycle-start></value></forms-col>"),
       {{kFrontCoverKey, "SidesImaged", 4}, {kFrontCoverKey, kExceptionListKey, std::nullopt},
        {kExceptionListKey, nullptr, PlistValue(platform::PlistArray{})}, {kJobTypeKey, "JobType", 3},
        {kJobTypeKey, "SavedJobName", "Reprint"}, {kJobTypeKey, "UseJobName", false},
        {kBackgroundFormsOptionsKey, "CyclePages", 2}, {kBackgroundFormsOptionsKey, "UseExistingForm", std::nullopt}}},
      // 25.4 hundredths of a millimetre to the hundredth of an inch: 1 inch is 2540, 0.01 inch 25.
      {"shift in inches", Framed(Shift(25)), {{kImageShiftOptionsJobKey, kImageShiftInchesKey, 1}}},
      {"shift in millimetres", Framed(Shift(150)),
       {{kImageShiftOptionsJobKey, kImageShiftInchesKey, 0}, {kImageShiftOptionsJobKey, kImageShiftFullPrecisionKey, true}}},
      // The count is not in the file; the pads are on in a job type the file names, and only there.
      {"pads", Framed(pads),
       {{kPadBackCoverKey, nullptr, "Blank Back Cover"}, {kPadLevelStockKey, nullptr, PlistValue(PlistDict{{"Source", 10}})},
        {kNoOfPadsKey, nullptr, 1}, {kJobTypeKey, nullptr, std::nullopt}}},
      {"pads of a held job", Framed("<job-hold-until syntax=\"keyword\">indefinite</job-hold-until>" + pads),
       {{kJobTypeKey, kJobTypePadEnableKey, true}}},
      {"two highlight groups", Framed(group1 + group2),
       {{"HiglightPrintingColor", nullptr, 4}, {"HighlightMappingAlgorithm", nullptr, 2}, {job, "HiglightPrintingColor", 13},
        {job, "HighlightColorPrintingRGB", 1}, {job, "HighlightColorPrintingG", 1}}},
      // A lone group is the job's, unless it came before the job's image shift.
      {"lone highlight group", Framed(group1), {{job, "HiglightPrintingColor", 4}}},
      {"highlight group before the shift", Framed(group1 + Shift(25)), {{"HiglightPrintingColor", nullptr, 4}}},
      // Blank text between elements is passed over; a value made of spaces comes through whole.
      {"indented",
       "<?xml version=\"1.0\"?>\n<jtkt version=\"1.0\">\n  <job-template-attributes>\n"
       "    <job-sheet-message syntax=\"text\">   </job-sheet-message>\n"
       "    <job-recipient-name syntax=\"name\"> two  words </job-recipient-name>\n"
       "    <sides syntax=\"keyword\">two-sided-long-edge</sides>\n"
       "  </job-template-attributes>\n  <jtkt-operation-attributes>\n"
       "    <job-name syntax=\"name\">\n\t</job-name>\n  </jtkt-operation-attributes>\n</jtkt>\n",
       {{kJobNotesSheetMessageKey, nullptr, "   "}, {kJobNotesRecipientKey, nullptr, " two  words "},
        {kJobNotesJobNameKey, nullptr, "\n\t"}, {kFinishingDuplexKey, nullptr, 2}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlistDict d;
    int status = -1;
    const std::string err = jtkt_test::ImportErrors(c.document, &d, &status);
    EXPECT_EQ(status, platform::noErr);
    if (*c.error) EXPECT_NE(err.find(c.error), std::string::npos) << err;
    else EXPECT_EQ(err, "");
    for (const Value& v : c.values) {
      const PlistValue* found = At(d, v.key, v.member);
      if (!v.value) EXPECT_EQ(found, nullptr) << v.key << " " << (v.member ? v.member : "");
      else if (found == nullptr) ADD_FAILURE() << v.key << " " << (v.member ? v.member : "") << " not imported";
      else EXPECT_TRUE(*found == *v.value) << v.key << " " << (v.member ? v.member : "") << ": "
                                           << platform::PlistDescription(*found);
    }
  }
}

TEST_F(ReaderFeatures, PathsAreAnchoredAndTheFirstMatchInDocumentOrderWins) {
  const std::string xml = "<a><!-- c --><b><c syntax=\"integer\">1</c></b><c syntax=\"enum\">2</c>"
                          "<b><c syntax=\"uri\">3</c></b><d syntax=\"bogus\"/></a>";
  xmlDocPtr doc = xmlReadMemory(xml.data(), static_cast<int>(xml.size()), "t.xml", nullptr, XML_PARSE_NONET);
  ASSERT_NE(doc, nullptr);
  xmlNodePtr first = xmlDocGetRootElement(doc)->children;
  xmlNodePtr number = JTKTImportGetNode(first, ".b.c"), keyword = JTKTImportGetNode(first, ".c");
  EXPECT_EQ(JTKTImportNodeText(number), "1");
  EXPECT_EQ(JTKTImportNodeText(keyword), "2");
  EXPECT_EQ(JTKTImportGetNode(first, ".a.b"), nullptr);
  EXPECT_EQ(JTKTImportGetNode(first, ".b.c.x"), nullptr);
  EXPECT_STREQ(JTKTImportGetNodeSyntax(number), "Number");
  EXPECT_STREQ(JTKTImportGetNodeSyntax(keyword), "Keyword");
  EXPECT_STREQ(JTKTImportGetNodeSyntax(JTKTImportGetNode(first, ".d")), "--Unknown--");
  const PlistDict range{{"Minimum", -5}, {"Maximum", 5}}, tight{{"Minimum", 2}, {"Maximum", 2}};
  EXPECT_EQ(JTKTImportNodeValue(number, "Number", &range, "t.xml"), PlistValue(1));
  const PlistDict exact{{"Length", 1}, {"CharacterSet", "0123"}}, shorter{{"Length", 0}}, letters{{"CharacterSet", "ab"}};
  EXPECT_EQ(JTKTImportNodeValue(JTKTImportGetNode(first, ".b"), "Name", &exact, "t.xml"), std::nullopt);  // no text
  EXPECT_EQ(JTKTImportNodeValue(keyword, "Name", &exact, "t.xml"), PlistValue("2"));
  testing::internal::CaptureStderr();
  EXPECT_EQ(JTKTImportNodeValue(number, "Number", &tight, "t.xml"), std::nullopt);
  EXPECT_EQ(JTKTImportNodeValue(keyword, "Name", &shorter, "t.xml"), std::nullopt);
  EXPECT_EQ(JTKTImportNodeValue(keyword, "Name", &letters, "t.xml"), std::nullopt);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(err.find("ERROR: t.xml: line 1: <c> \"1\" is out of range"), 0u) << err;
  EXPECT_EQ(jtkt_test::Lines(err), 3) << err;
  xmlFreeDoc(doc);
}

// The other derived options the round trips show; the booklet fold's is written as an advanced
// fold's would be.
TEST_F(ReaderFeatures, ABookletFoldGivesTheBookletOptionWhateverStapleCameWithIt) {
  PlistDict values{{kFinishingStaple1ValueKey, 5}, {kFinishingFoldValueKey, 53}};
  ComputeFinishingOptionKey(&values);
  EXPECT_EQ(values.at(kFinishingOptionsKey), PlistValue(24));
}

// Later files replace what they give and defaults never replace anything; the merge stores every
// entry under the import client.
TEST_F(ReaderFeatures, FilesCombineAndMergeIntoTheTicket) {
  PlistDict d;
  ASSERT_EQ(JTKTImportDocument(Framed("<sides syntax=\"keyword\">two-sided-long-edge</sides><media-col><media-color "
                                      "syntax=\"keyword\">pink</media-color><media-weight-metric syntax=\"integer\">90"
                                      "</media-weight-metric></media-col>"),
                               "first.xml", &d),
            platform::noErr);
  ASSERT_EQ(JTKTImportDocument(Framed("<media-col><media-weight-metric syntax=\"integer\">120</media-weight-metric>"
                                      "</media-col>"),
                               "second.xml", &d),
            platform::noErr);
  EXPECT_EQ(*At(d, kFinishingDuplexKey), PlistValue(2));
  EXPECT_EQ(*At(d, kJobLevelStockKey, "Color"), PlistValue(5));
  EXPECT_EQ(*At(d, kJobLevelStockKey, "Weight"), PlistValue(120));

  platform::Ticket ticket;
  ticket.set(kFinishingDuplexKey, 1, "com.korvo.print");
  ticket.set(kJobLevelStockKey, PlistDict{{"Color", 2}, {"Weight", 80}}, "com.korvo.print");
  JTKTMergeIntoTicket(ticket, {{kFinishingDuplexKey, 3}, {kJobLevelStockKey, PlistDict{{"Color", 4}}}});
  EXPECT_EQ(ticket.getInteger(kFinishingDuplexKey), 3);
  EXPECT_EQ(*ticket.clientOf(kFinishingDuplexKey), "KORVO");
  EXPECT_EQ(*ticket.getDictionary(kJobLevelStockKey), (PlistDict{{"Color", 4}}));  // replaced whole
  platform::PrintSession session;
  const PlistDict some{{kFinishingDuplexKey, 3}}, none;
  EXPECT_EQ(JTKTImportMergeIntoJobTicket(nullptr, &some), platform::paramErr);
  EXPECT_EQ(JTKTImportMergeIntoJobTicket(&session, nullptr), platform::paramErr);
  EXPECT_EQ(JTKTImportMergeIntoJobTicket(&session, &none), platform::noErr);
  EXPECT_EQ(JTKTImportMergeIntoJobTicket(&session, &some), platform::noErr);
  EXPECT_EQ(session.ticket(platform::kPDE_PMPrintSettingsRef)->getInteger(kFinishingDuplexKey), 3);
}


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

// The plug-in's English labels; the file's text is never a format; no weight line after the
// paper stock heading when the weight is unset; a staple value held only by the second staple key
// still shows, as the writer sends it.
TEST_F(ReaderSummary, EachLineFollowsTheSettings) {
  EXPECT_EQ(Lines({}), (JTKTSummaryLines{"Job Notes", " ", "Job Setup", " ", "Output", " ", "Image Adjustment", " ", " ",
                                         " ", " ", " "}));
  const PlistDict jobSetup{{kFinishingDuplexKey, 2},
                           {kJobLevelStockKey, PlistDict{{"Weight", 90}, {"Description", "Cream"}}},
                           {kJobNotesJobNameKey, "Menu %@ %s %n"}};
  const PlistDict punchAndStaple{{kFinishingOptionsKey, 49}, {kFinishingHolePunchValueKey, 33}, {kFinishingStaple1ValueKey, 5}};
  const PlistDict output{{kFinishingSlipSheetKey, 2}, {kFinishingOutputDestinationKey, 4}};
  const struct {
    PlistDict settings;
    std::size_t line;
    std::string text;
  } cases[] = {
      {jobSetup, 1, "\t\tJob Name: Menu %@ %s %n"},
      {jobSetup, 4, "\t\t" + L("Duplex") + ": " + L("DuplexLong")},
      {jobSetup, 5, "\t\tPaper Stock: "},
      {jobSetup, 6, "\t\t\tWeight = 90 gsm"},
      {jobSetup, 7, "\t\t\tDescription = Cream"},
      {{{kJobLevelStockKey, PlistDict{{"Weight", kPrinterDefault}}}}, 4, " "},
      {punchAndStaple, 5, "\t\tStapling/Finishing: "},
      {punchAndStaple, 6, "\t\t\tHole Punch, Portrait - Top, Landscape - Right"},
      {punchAndStaple, 7, "\t\t\t1 Staple, Portrait - Top Left, Landscape - Top Right"},
      {{{kFinishingOptionsKey, 9}, {kFinishingStaple2ValueKey, 11}}, 6, "\t\t\t2 Staples, Portrait - Top, Landscape - Right"},
      {output, 5, "\t\tSlip Sheets: On"},
      {output, 6, "\t\tOutput Location: " + L("StackerTray")},
  };
  for (const auto& c : cases) {
    const JTKTSummaryLines lines = Lines(c.settings);
    ASSERT_GT(lines.size(), c.line);
    EXPECT_EQ(lines[c.line], c.text) << c.line;
  }
}

}  // namespace

// The reader's conversions on small documents: paths, syntax classes, ranges, finishing, job
// offset, stock, covers, saved jobs and forms, and how several files combine.
#include <gtest/gtest.h>

#include <libxml/parser.h>

#include "jobticket/reader/jtkt_import_context.h"
#include "jobticket/reader/jtkt_import_node.h"
#include "jobticket/reader/jtkt_keyword_maps.h"
#include "jobticket/reader/jtkt_reader.h"
#include "jobticket/writer/jtkt_finishing.h"
#include "jobticket/writer/jtkt_job_attributes.h"
#include "jtkt_test_support.h"
#include "kit/current_session.h"
#include "model/background_forms_options.h"
#include "model/job_level_stock.h"
#include "model/job_notes_keys.h"
#include "model/paper_output_keys.h"
#include "model/special_pages_ticket.h"
#include "reader_test_support.h"
#include "support/test_support.h"
#include "vocabulary/printer_default.h"

namespace {

using platform::PlistDict;
using platform::PlistValue;

std::string Job(const std::string& body) {
  return "<?xml version=\"1.0\"?>\n<jtkt version=\"1.0\"><job-template-attributes>" + body +
         "</job-template-attributes></jtkt>";
}

using jtkt_test::At;

class ReaderFeatures : public jtkt_test::ReaderTest {};

TEST_F(ReaderFeatures, KeywordTablesConvertBothWays) {
  std::string name = "DuplexShort";
  std::int32_t value = 0;
  EXPECT_TRUE(JTKTConvertKeyword(JTKTSidesMap, kJTKTKeywordToValue, &name, &value));
  EXPECT_EQ(value, 3);
  value = kPrinterDefault;
  EXPECT_TRUE(JTKTConvertKeyword(JTKTHalftoneScreenMap, kJTKTValueToKeyword, &name, &value));
  EXPECT_EQ(name, "PrinterDefault");  // the first row carrying the value wins over "54lpi"
  name = "duplexshort";
  EXPECT_FALSE(JTKTConvertKeyword(JTKTSidesMap, kJTKTKeywordToValue, &name, &value));
  name = "Simplex";
  EXPECT_FALSE(JTKTConvertKeyword(JTKTSidesMap, 3, &name, &value));
}

TEST_F(ReaderFeatures, PathsAreAnchoredAndTheFirstMatchInDocumentOrderWins) {
  const std::string xml = "<a><!-- c --><b><c syntax=\"integer\">1</c></b><c syntax=\"enum\">2</c>"
                          "<b><c syntax=\"uri\">3</c></b><d syntax=\"bogus\"/></a>";
  xmlDocPtr doc = xmlReadMemory(xml.data(), static_cast<int>(xml.size()), "t.xml", nullptr, XML_PARSE_NONET);
  ASSERT_NE(doc, nullptr);
  xmlNodePtr first = xmlDocGetRootElement(doc)->children;
  EXPECT_EQ(JTKTImportNodeText(JTKTImportGetNode(first, ".b.c")), "1");
  EXPECT_EQ(JTKTImportNodeText(JTKTImportGetNode(first, ".c")), "2");
  EXPECT_EQ(JTKTImportGetNode(first, ".a.b"), nullptr);
  EXPECT_EQ(JTKTImportGetNode(first, ".b.c.x"), nullptr);
  EXPECT_STREQ(JTKTImportGetNodeSyntax(JTKTImportGetNode(first, ".b.c")), "Number");
  EXPECT_STREQ(JTKTImportGetNodeSyntax(JTKTImportGetNode(first, ".c")), "Keyword");
  EXPECT_STREQ(JTKTImportGetNodeSyntax(JTKTImportGetNode(first, ".d")), "--Unknown--");
  const PlistDict range{{"Minimum", -5}, {"Maximum", 5}};
  xmlNodePtr number = JTKTImportGetNode(first, ".b.c");
  EXPECT_EQ(JTKTImportNodeValue(number, "Number", &range, "t.xml"), PlistValue(1));
  const PlistDict tight{{"Minimum", 2}, {"Maximum", 2}};
  testing::internal::CaptureStderr();
  EXPECT_EQ(JTKTImportNodeValue(number, "Number", &tight, "t.xml"), std::nullopt);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("ERROR: t.xml: line 1: <c> \"1\" is out of range"), std::string::npos);
  const PlistDict exact{{"Length", 1}, {"CharacterSet", "0123"}};
  EXPECT_EQ(JTKTImportNodeValue(JTKTImportGetNode(first, ".b"), "Name", &exact, "t.xml"), std::nullopt);  // no text
  EXPECT_EQ(JTKTImportNodeValue(JTKTImportGetNode(first, ".c"), "Name", &exact, "t.xml"), PlistValue("2"));
  const PlistDict shorter{{"Length", 0}}, letters{{"CharacterSet", "ab"}};
  testing::internal::CaptureStderr();
  EXPECT_EQ(JTKTImportNodeValue(JTKTImportGetNode(first, ".c"), "Name", &shorter, "t.xml"), std::nullopt);
  EXPECT_EQ(JTKTImportNodeValue(JTKTImportGetNode(first, ".c"), "Name", &letters, "t.xml"), std::nullopt);
  EXPECT_EQ(testing::internal::GetCapturedStderr().find("ERROR: t.xml"), 0u);
  xmlFreeDoc(doc);
}

TEST_F(ReaderFeatures, FinishingValuesAndTheDerivedOption) {
  // "1StapleTopLeft" and "2StaplesTop": both staples, and the option of the later staple key.
  PlistDict d = jtkt_test::Imported(Job("<finishings syntax=\"1setOf\"><value syntax=\"enum\">20</value>"
                                        "<value syntax=\"enum\">29</value></finishings>"));
  EXPECT_EQ(*At(d, kFinishingStaple1ValueKey), PlistValue(5));
  EXPECT_EQ(*At(d, kFinishingStaple2ValueKey), PlistValue(11));
  EXPECT_EQ(*At(d, kFinishingOptionsKey), PlistValue(9));
  struct Case {
    PlistDict values;
    std::int64_t option;
  };
  const Case cases[] = {{{{kFinishingStaple1ValueKey, 5}, {kFinishingHolePunchValueKey, 33}}, 49},
                        {{{kFinishingStaple1ValueKey, 5}, {kFinishingHolePunchValueKey, 33}, {kFinishingZFoldValueKey, 38}}, 50},
                        {{{kFinishingHolePunchValueKey, 33}, {kFinishingZFoldValueKey, 38}}, 52},
                        {{{kFinishingStaple1ValueKey, 5}, {kFinishingFoldValueKey, 53}}, 24},
                        {{{kFinishingStaple1ValueKey, kPrinterDefault}}, kPrinterDefault}};
  for (const Case& c : cases) {
    PlistDict values = c.values;
    ComputeFinishingOptionKey(&values);
    EXPECT_EQ(values.at(kFinishingOptionsKey), PlistValue(c.option));
  }
}

TEST_F(ReaderFeatures, JobOffsetCombinesItsValuesInOrder) {
  const auto offset = [](const std::string& a, const std::string& b) {
    return *At(jtkt_test::Imported(Job("<job-offset syntax=\"1setOf\"><value syntax=\"keyword\">" + a +
                                       "</value><value syntax=\"keyword\">" + b + "</value></job-offset>")),
               kFinishingOffsetKey);
  };
  EXPECT_EQ(offset("offset-set", "offset-subset"), PlistValue(5));
  EXPECT_EQ(offset("offset-subset", "offset-set"), PlistValue(5));  // either order
  EXPECT_EQ(offset("offset-subset", "none"), PlistValue(2));
  const PlistDict subset = jtkt_test::Imported(
      Job("<pages-per-subset syntax=\"1setOf\"><value syntax=\"integer\">7</value></pages-per-subset>"));
  EXPECT_EQ(*At(subset, kFinishingOffsetPagesPerSubsetKey), PlistValue(7));
  EXPECT_EQ(*At(subset, kFinishingOffsetEnableSubsetKey), PlistValue(1));
}

TEST_F(ReaderFeatures, StockSizesTypesAndCoatings) {
  const PlistDict custom = jtkt_test::Imported(Job(
      "<media-col><media-size><x-dimension syntax=\"integer\">21590</x-dimension><y-dimension syntax=\"integer\">27940"
      "</y-dimension></media-size><media-type syntax=\"name\">Linen</media-type><media-order-count syntax=\"integer\">3"
      "</media-order-count><media-front-coating syntax=\"keyword\">glossy</media-front-coating>"
      "<media-back-coating syntax=\"keyword\">none</media-back-coating></media-col>"));
  const PlistDict& stock = *At(custom, kJobLevelStockKey)->asDictionary();
  EXPECT_EQ(stock.at("Size"), PlistValue(75));
  EXPECT_EQ(stock.at("Width"), PlistValue(21590));
  EXPECT_EQ(stock.at("Length"), PlistValue(27940));
  EXPECT_EQ(stock.at("Type"), PlistValue(6));
  EXPECT_EQ(stock.at("CustomType"), PlistValue("Linen"));
  EXPECT_EQ(stock.at("Modulus"), PlistValue(3));
  EXPECT_EQ(stock.at("SidesCoated"), PlistValue(2));
  EXPECT_EQ(stock.at("kCoatingType"), PlistValue(1));
  testing::internal::CaptureStderr();
  const PlistDict huge = jtkt_test::Imported(Job(
      "<media-col><media-size><x-dimension syntax=\"integer\">90000</x-dimension><y-dimension syntax=\"integer\">27940"
      "</y-dimension></media-size><media-back-coating syntax=\"keyword\">matte</media-back-coating></media-col>"));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("beyond the printer's limits"), std::string::npos);
  EXPECT_EQ(*At(huge, kJobLevelStockKey, "Size"), PlistValue(kPrinterDefault));
  EXPECT_EQ(At(huge, kJobLevelStockKey, "Width"), nullptr);
  EXPECT_EQ(*At(huge, kJobLevelStockKey, "SidesCoated"), PlistValue(4));
  EXPECT_EQ(*At(huge, kJobLevelStockKey, "kCoatingType"), PlistValue(5));
}

TEST_F(ReaderFeatures, CoversSavedJobsAndForms) {
  const PlistDict d = jtkt_test::Imported(Job(
      "<cover-front><sides syntax=\"keyword\">one-sided</sides><cover-type syntax=\"keyword\">print-both</cover-type>"
      "<page-overrides><value><pages><value><lower-bound syntax=\"integer\">1</lower-bound><upper-bound syntax=\"integer\">"
      "2</upper-bound></value></pages></value></page-overrides></cover-front>"
      "<job-save-disposition><save-disposition syntax=\"keyword\">save-only</save-disposition><save-info><value>"
      "<save-name syntax=\"name\">Reprint</save-name></value></save-info></job-save-disposition>"
      "<forms-col><value><form-cycle-start syntax=\"integer\">2</form-cycle-start></value></forms-col>"));
  const PlistDict& cover = *At(d, kFrontCoverKey)->asDictionary();
  EXPECT_EQ(cover.at("SidesImaged"), PlistValue(4));  // the cover type wins over the cover's sides
  EXPECT_EQ(platform::PlistDictFind(cover, kExceptionListKey), nullptr);  // no page inside a page
  EXPECT_EQ(*At(d, kExceptionListKey), PlistValue(platform::PlistArray{}));
  EXPECT_EQ(*At(d, kJobTypeKey, "JobType"), PlistValue(3));
  EXPECT_EQ(*At(d, kJobTypeKey, "SavedJobName"), PlistValue("Reprint"));
  EXPECT_EQ(*At(d, kJobTypeKey, "UseJobName"), PlistValue(false));
  EXPECT_EQ(*At(d, kBackgroundFormsOptionsKey, "CyclePages"), PlistValue(2));
  EXPECT_EQ(At(d, kBackgroundFormsOptionsKey, "UseExistingForm"), nullptr);  // no form name was read
}

TEST_F(ReaderFeatures, LaterFilesReplaceWhatTheyGiveAndDefaultsNeverReplaceAnything) {
  PlistDict d;
  ASSERT_EQ(JTKTImportDocument(Job("<sides syntax=\"keyword\">two-sided-long-edge</sides><media-col>"
                                   "<media-color syntax=\"keyword\">pink</media-color><media-weight-metric "
                                   "syntax=\"integer\">90</media-weight-metric></media-col>"),
                               "first.xml", &d),
            platform::noErr);
  ASSERT_EQ(JTKTImportDocument(Job("<media-col><media-weight-metric syntax=\"integer\">120</media-weight-metric>"
                                   "</media-col>"),
                               "second.xml", &d),
            platform::noErr);
  EXPECT_EQ(*At(d, kFinishingDuplexKey), PlistValue(2));
  EXPECT_EQ(*At(d, kJobLevelStockKey, "Color"), PlistValue(5));
  EXPECT_EQ(*At(d, kJobLevelStockKey, "Weight"), PlistValue(120));
  // The conversions run in one fixed order, the special pages last.
  const JTKTFeatureList features = JTKTImportableFeatures();
  ASSERT_GE(features.size(), 4u);
  EXPECT_EQ(features.front().feature->at("ID"), PlistValue("OutputColor"));
  EXPECT_EQ(features.back().feature->at("ID"), PlistValue("CoverBack"));
}

TEST_F(ReaderFeatures, MergeStoresEveryEntryUnderTheImportClient) {
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

}  // namespace

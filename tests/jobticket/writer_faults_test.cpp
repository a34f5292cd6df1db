// Values the writer once dropped or changed, each written as the ticket says and read back to
// the same document.
#include <gtest/gtest.h>

#include "jtkt_test_support.h"
#include "model/job_level_stock.h"
#include "model/paper_output_keys.h"
#include "model/special_pages_ticket.h"
#include "reader_test_support.h"
#include "vocabulary/printer_default.h"

namespace {

using platform::PlistArray;
using platform::PlistDict;

class WriterFaults : public jtkt_test::ReaderTest {
 protected:
  // The document of the ticket (with the whole-document options); it must come back unchanged.
  std::string Exported(PlistDict ticket) {
    for (auto& [key, value] : jtkt_test::WholeDocumentTicket()) ticket.insert_or_assign(key, value);
    const std::string document = jtkt_test::Document(ticket);
    PlistDict imported;
    EXPECT_EQ(jtkt_test::ImportErrors(document, &imported), "");
    EXPECT_EQ(jtkt_test::ReExported(imported), document);
    EXPECT_EQ(jtkt_test::XmllintComplaint(document), "");
    return document;
  }
  static bool Has(const std::string& document, const std::string& line) { return document.find(line) != std::string::npos; }
};

TEST_F(WriterFaults, ASavedJobInThePrintersFormatNamesNoFormat) {
  const std::string saved = Exported({{kJobTypeKey, PlistDict{{"JobType", 3}, {"MediaType", kPrinterDefault}, {"SavedJobName", "Q3"}}}});
  EXPECT_TRUE(Has(saved, "<save-name syntax=\"name\" xml:space=\"preserve\">Q3</save-name>")) << saved;
  EXPECT_FALSE(Has(saved, "save-document-format")) << saved;
  // Without the key the format is still single-page TIFF.
  EXPECT_TRUE(Has(Exported({{kJobTypeKey, PlistDict{{"JobType", 3}}}}), "application/X-single-page-tiff"));
}

TEST_F(WriterFaults, AnExceptionPageKeepsEveryScreenAndDarknessTheMapsKnow) {
  const PlistDict range{{"StartPage", 2}, {"EndPage", 3}, {"HalftoneScreen", 27}, {"LightenDarken", 5}};
  const std::string document = Exported({{kExceptionListKey, PlistArray{range}}});
  EXPECT_TRUE(Has(document, "\t\t<halftone-images syntax=\"keyword\">107-lpi-dark</halftone-images>\n")) << document;
  EXPECT_TRUE(Has(document, "<adjust-bw-darkness-value syntax=\"integer\">5</adjust-bw-darkness-value>")) << document;
  // A darkness beyond the menu's steps is one the reader would refuse: none is written.
  PlistDict darker = range;
  darker["LightenDarken"] = 7;
  EXPECT_FALSE(Has(jtkt_test::Document({{kExceptionListKey, PlistArray{darker}}, {"com.korvo.print.JTKTOptions", PlistDict{{"JTKTOptionAll", true}}}}),
                   "adjust-bw-darkness-value"));
}

TEST_F(WriterFaults, EveryStockTypeThatCountsInSetsSendsItsOrderCount) {
  // Tab stock and pre-cut tabs (24, 33, 4), a named type (15) and an ordered stock (6).
  for (int type : {4, 24, 33, 15, 6}) {
    const std::string document = Exported({{kJobLevelStockKey, PlistDict{{"Type", type}, {"Modulus", 5}, {"CustomType", "Set"}}}});
    EXPECT_TRUE(Has(document, "<media-order-count syntax=\"integer\">5</media-order-count>")) << type << document;
  }
  // A type with no sets ignores a leftover modulus.
  EXPECT_FALSE(Has(Exported({{kJobLevelStockKey, PlistDict{{"Type", 1}, {"Modulus", 5}}}}), "media-order-count"));
}

TEST_F(WriterFaults, ACoverOfAnyOtherSidesIsNoCover) {
  for (int sides : {7, 0}) {
    const std::string document = Exported({{kFrontCoverKey, PlistDict{{"SidesImaged", sides}}}});
    EXPECT_TRUE(Has(document, "\t\t\t<cover-type syntax=\"keyword\">no-cover</cover-type>\n")) << document;
  }
  EXPECT_TRUE(Has(Exported({{kBackCoverKey, PlistDict{}}}), "<cover-type syntax=\"keyword\">print-none</cover-type>"));
}

TEST_F(WriterFaults, AStocksOwnDimensionsAndNameChoiceAreKept) {
  // Size 999 is no row: the stock's own width and length are its size.
  const std::string sized = Exported({{kJobLevelStockKey, PlistDict{{"Size", 999}, {"Width", 20000}, {"Length", 25000}}}});
  EXPECT_TRUE(Has(sized, "<x-dimension syntax=\"integer\">20000</x-dimension>")) << sized;
  EXPECT_TRUE(Has(sized, "<y-dimension syntax=\"integer\">25000</y-dimension>")) << sized;
  // A stock that says it is not known by name only describes no paper; true names it.
  const PlistDict notNamed{{"CustomNameOnly", false}, {"CustomName", "Bond 90"}, {"Type", 1}, {"Color", 1}};
  EXPECT_TRUE(Has(Exported({{kJobLevelStockKey, notNamed}}),
                  "\t\t<media-col syntax=\"collection\">\n\t\t</media-col>\n"));
  PlistDict named = notNamed;
  named["CustomNameOnly"] = true;
  const std::string byName = Exported({{kJobLevelStockKey, named}});
  EXPECT_TRUE(Has(byName, "\t\t\t<media-key syntax=\"name\" xml:space=\"preserve\">Bond 90</media-key>\n")) << byName;
  EXPECT_FALSE(Has(byName, "stationery"));
}

}  // namespace

// The media record and element: every stock type, every property, the size fallbacks, and the
// codes the printer has no word for.
#include <gtest/gtest.h>

#include "jobticket/writer/jtkt_media.h"
#include "jtkt_test_support.h"
#include "platform/status.h"
#include "vocabulary/printer_default.h"

namespace {

using jtkt_test::RecordingContext;
using platform::PlistDict;

// The media elements of the stock dictionaries, framed as a document.
std::string MediaDocument(const std::vector<PlistDict>& stocks) {
  RecordingContext out;
  for (const PlistDict& stock : stocks) {
    _MEDIADATA media;
    FillMediaData(&media, &stock, 0);
    WriteJTktMedia(out.get(), &media);
  }
  return jtkt_test::Framed(out.text());
}

std::string MediaOf(const PlistDict* stock) {
  RecordingContext out;
  _MEDIADATA media;
  FillMediaData(&media, stock, 0);
  WriteJTktMedia(out.get(), &media);
  return out.text();
}

// The page geometry for the life of the object.
class PageGeometry {
 public:
  PageGeometry(float width, float length, int orientation) {
    PageWidth = width;
    PageLength = length;
    Orientation = orientation;
  }
  ~PageGeometry() {
    PageWidth = PageLength = 0;
    Orientation = 0;
  }
};

TEST(JTktMedia, EveryStockTypeMatchesTheGoldenFile) {
  std::vector<PlistDict> stocks{{}};
  for (int type = 0; type <= 57; ++type)
    stocks.push_back({{"Type", type}, {"Modulus", 5}, {"CustomType", "Heavy <Card> & Co. & more"}});
  const std::string document = MediaDocument(stocks);
  EXPECT_EQ(document, jtkt_test::Golden("media_types.xml"));
  EXPECT_EQ(jtkt_test::XmllintComplaint(document), "");
}

TEST(JTktMedia, EveryPropertyMatchesTheGoldenFile) {
  std::vector<PlistDict> stocks{
      {{"Type", 1}, {"Weight", 90}, {"Description", "Bright white, 90 g/m\xC2\xB2 <FSC>"}, {"Punched", 1}, {"Color", 1},
       {"Size", 4}, {"Finish", 1}, {"kGrain", 1}, {"SidesCoated", 2}, {"kCoatingType", 4}},
      {{"Source", 10}, {"Type", 1}, {"Color", 1}, {"Size", 4}},
      {{"CustomNameOnly", true}, {"CustomName", "Gloss 300 & more"}, {"Type", 1}, {"Color", 3}},
      {{"Size", 75}, {"Width", 20000}, {"Length", 30000}, {"Color", 10}, {"CustomColor", "Sea <green>"}, {"Punched", 2}},
  };
  for (int color : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22})
    stocks.push_back({{"Color", color}});
  for (auto [sides, kind] : std::vector<std::pair<int, int>>{{1, 3}, {3, 2}, {4, 3}, {2, 5}, {2, 9}, {7, 1}})
    stocks.push_back({{"SidesCoated", sides}, {"kCoatingType", kind}});
  stocks.push_back({{"Finish", 2}, {"kGrain", 2}});
  stocks.push_back({{"Finish", 3}});
  stocks.push_back({{"Finish", 4}});
  stocks.push_back({{"Finish", 9}, {"kGrain", 5}});
  stocks.push_back({{"Source", 3}, {"Type", 1}, {"Color", 1}});
  stocks.push_back({{"Size", 5}, {"Width", 100}});
  stocks.push_back({{"Size", 204}});
  stocks.push_back({{"Size", kPrinterDefault}});
  const std::string document = MediaDocument(stocks);
  EXPECT_EQ(document, jtkt_test::Golden("media_properties.xml"));
  EXPECT_EQ(jtkt_test::XmllintComplaint(document), "");
}

TEST(JTktMedia, TypeDecidesOverTheStocksOwnValues) {
  const PlistDict coarse{{"Type", 40}, {"Finish", 1}};
  EXPECT_NE(MediaOf(&coarse).find("<media-tooth syntax=\"keyword\">coarse</media-tooth>"), std::string::npos);
  const PlistDict heavy{{"Type", 12}, {"Weight", 80}};
  EXPECT_NE(MediaOf(&heavy).find(">141</media-weight-metric>"), std::string::npos);
  const PlistDict tabs{{"Type", 4}};
  EXPECT_EQ(MediaOf(&tabs).find("media-order-count"), std::string::npos);
}

TEST(JTktMedia, CustomSizeWithoutDimensionsAndNoPageGeometryHasNoSize) {
  const PlistDict custom{{"Size", 75}};
  EXPECT_EQ(MediaOf(&custom), "\t\t<media-col syntax=\"collection\">\n\t\t</media-col>\n");
  const PlistDict halfCustom{{"Size", 75}, {"Width", 20000}, {"Length", kPrinterDefault}};
  EXPECT_EQ(MediaOf(&halfCustom).find("media-size"), std::string::npos);
  const PlistDict negative{{"Size", 75}, {"Width", -5}, {"Length", 30000}};
  EXPECT_EQ(MediaOf(&negative).find("media-size"), std::string::npos);
}

TEST(JTktMedia, PageGeometryNamesTheSizeOfAStockWithout) {
  {
    PageGeometry a4(595, 842, 0);
    EXPECT_NE(MediaOf(nullptr).find(">21000</x-dimension>\n\t\t\t\t<y-dimension syntax=\"integer\">29700<"), std::string::npos);
  }
  {
    PageGeometry a4Landscape(842, 595, 1);
    EXPECT_NE(MediaOf(nullptr).find(">29700</x-dimension>\n\t\t\t\t<y-dimension syntax=\"integer\">21000<"), std::string::npos);
  }
  {
    PageGeometry letter(612, 792, 2);
    EXPECT_NE(MediaOf(nullptr).find(">21600</x-dimension>"), std::string::npos);
  }
  {
    PageGeometry unknownOrientation(595, 842, 5);
    EXPECT_EQ(MediaOf(nullptr).find("media-size"), std::string::npos);
  }
  {
    PageGeometry notATableSize(600, 800, 0);
    EXPECT_EQ(MediaOf(nullptr).find("media-size"), std::string::npos);
  }
  EXPECT_EQ(MediaOf(nullptr), "\t\t<media-col syntax=\"collection\">\n\t\t</media-col>\n");
}

TEST(JTktMedia, CodesWithoutAWordWriteNoMember) {
  _MEDIADATA media;
  media.type = 99;
  media.color = 40;
  media.tooth = 0;
  media.grain = 3;
  media.sidesCoated = 2;
  media.coatingKind = kJTktUnset;
  media.prePrinted = 7;
  RecordingContext out;
  WriteJTktMedia(out.get(), &media);
  EXPECT_EQ(out.text(), "\t\t<media-col syntax=\"collection\">\n\t\t</media-col>\n");
  for (int type : {kJTktMediaNoType, kJTktMediaPreCutEmbossedTab, kJTktMediaTextured, kJTktMediaPrePrinted}) {
    media = _MEDIADATA{};
    media.type = type;
    media.prePrinted = 9;
    out.clear();
    WriteJTktMedia(out.get(), &media);
    EXPECT_EQ(out.text(), "\t\t<media-col syntax=\"collection\">\n\t\t</media-col>\n") << type;
  }
}

TEST(JTktMedia, AbsentNamesAreLeftOutNeverPrinted) {
  _MEDIADATA media;
  media.type = kJTktMediaNamed;
  media.color = kJTktMediaColorNamed;
  media.orderCount = 4;
  RecordingContext out;
  WriteJTktMedia(out.get(), &media);
  EXPECT_EQ(out.text(), "\t\t<media-col syntax=\"collection\">\n\t\t\t<media-order-count syntax=\"integer\">4</media-order-count>\n"
                        "\t\t</media-col>\n");
  const PlistDict systemDefault{{"Type", 23}, {"Color", 12}};
  EXPECT_EQ(MediaOf(&systemDefault).find("media-type"), std::string::npos);
}

TEST(JTktMedia, NamesAreCutOnACharacterBoundaryAtThirtyBytes) {
  const PlistDict stock{{"Type", 7}, {"CustomType", std::string(29, 'a') + "\xC3\xA9"},
                        {"Color", 10}, {"CustomColor", std::string(28, 'b') + "&c"}};
  const std::string media = MediaOf(&stock);
  EXPECT_NE(media.find(">" + std::string(29, 'a') + "</media-type>"), std::string::npos) << media;
  EXPECT_NE(media.find(">" + std::string(28, 'b') + "</media-color>"), std::string::npos) << media;
}

TEST(JTktMedia, FragmentsOfTheShortForms) {
  const PlistDict inserter{{"Source", 10}, {"Type", 4}};
  RecordingContext out;
  _MEDIADATA media;
  FillMediaData(&media, &inserter, 0);
  WriteJTktMedia(out.get(), &media);
  EXPECT_EQ(out.fragments(), std::vector<std::string>{"\t\t<media syntax=\"keyword\">post-fuser-inserter</media>\n"});
  media.source = 4;
  out.clear();
  WriteJTktMedia(out.get(), &media);
  EXPECT_EQ(out.text(), "\t\t<media syntax=\"keyword\"></media>\n");
  const PlistDict named{{"CustomNameOnly", true}, {"CustomName", "Lib"}};
  FillMediaData(&media, &named, 0);
  out.clear();
  WriteJTktMedia(out.get(), &media);
  EXPECT_EQ(out.fragments().size(), 2u);
  EXPECT_EQ(WriteJTktMedia(out.get(), nullptr), platform::paramErr);
  EXPECT_EQ(WriteJTktMedia(nullptr, &media), platform::paramErr);
}

TEST(JTktMedia, FillingStartsFromAFreshRecord) {
  _MEDIADATA media;
  media.weight = 300;
  media.description = "old";
  media.tooth = 2;
  const PlistDict stock{{"Type", 1}};
  FillMediaData(&media, &stock, 0);
  EXPECT_EQ(media.weight, kJTktUnset);
  EXPECT_FALSE(media.description);
  EXPECT_EQ(media.tooth, kJTktUnset);
  EXPECT_EQ(media.type, kJTktMediaStationery);
}

}  // namespace

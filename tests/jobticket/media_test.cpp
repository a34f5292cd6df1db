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

std::string MediaOf(const PlistDict* stock, const JTktPageGeometry& page = {}) {
  _MEDIADATA media;
  FillMediaData(&media, stock, 0, page);
  return jtkt_test::Recorded([&](const JTktWriteContext* out) { WriteJTktMedia(out, &media); });
}

// The media elements of the stock dictionaries, framed as a document.
std::string MediaDocument(const std::vector<PlistDict>& stocks) {
  std::string body;
  for (const PlistDict& stock : stocks) body += MediaOf(&stock);
  return jtkt_test::Framed(body);
}


TEST(JTktMedia, EveryStockTypeMatchesTheGoldenFile) {
  std::vector<PlistDict> stocks{{}};
  for (int type = 0; type <= 57; ++type)
    stocks.push_back({{"Type", type}, {"Modulus", 5}, {"CustomType", "Heavy <Card> & Co. & more"}});
  jtkt_test::ExpectGolden(MediaDocument(stocks), "media_types.xml");
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
  // What the type implies wins over the stock's own finish and weight; only some types have sets.
  stocks.push_back({{"Type", 40}, {"Finish", 1}});
  stocks.push_back({{"Type", 12}, {"Weight", 80}});
  stocks.push_back({{"Type", 4}});
  // A custom size without two real dimensions has no size (and no page geometry is set).
  stocks.push_back({{"Size", 75}});
  stocks.push_back({{"Size", 75}, {"Width", 20000}, {"Length", kPrinterDefault}});
  stocks.push_back({{"Size", 75}, {"Width", -5}, {"Length", 30000}});
  // Names keep 30 bytes, cut before a character or an entity that would not fit.
  stocks.push_back({{"Type", 7}, {"CustomType", std::string(29, 'a') + "\xC3\xA9"}, {"Color", 10},
                    {"CustomColor", std::string(28, 'b') + "&c"}});
  jtkt_test::ExpectGolden(MediaDocument(stocks), "media_properties.xml");
}

TEST(JTktMedia, PageGeometryNamesTheSizeOfAStockWithout) {
  struct Case {
    float width, length;
    int orientation;
    const char* size;  // the media-size members, or null for none
  };
  const Case cases[] = {
      {595, 842, 0, "21000</x-dimension>\n\t\t\t\t<y-dimension syntax=\"integer\">29700<"},
      {842, 595, 1, "29700</x-dimension>\n\t\t\t\t<y-dimension syntax=\"integer\">21000<"},  // landscape
      {612, 792, 2, "21600</x-dimension>\n\t\t\t\t<y-dimension syntax=\"integer\">27900<"},
      {595, 842, 5, nullptr},  // no orientation known
      {600, 800, 0, nullptr},  // no size of the table
  };
  for (const Case& c : cases) {
    const std::string media = MediaOf(nullptr, {c.width, c.length, c.orientation});
    if (c.size) EXPECT_NE(media.find(c.size), std::string::npos) << media;
    else EXPECT_EQ(media.find("media-size"), std::string::npos) << media;
  }
  EXPECT_EQ(MediaOf(nullptr), "\t\t<media-col syntax=\"collection\">\n\t\t</media-col>\n");
}

// Codes outside their lists and absent names write no member, never undefined text.
TEST(JTktMedia, CodesWithoutAWordAndAbsentNamesWriteNoMember) {
  _MEDIADATA odd;
  odd.type = 99;
  odd.color = 40;
  odd.tooth = 0;
  odd.grain = 3;
  odd.sidesCoated = 2;  // coated, but with no kind
  std::vector<_MEDIADATA> records{odd};
  for (int type : {kJTktMediaNoType, kJTktMediaPreCutEmbossedTab, kJTktMediaTextured, kJTktMediaPrePrinted}) {
    records.emplace_back().type = type;
    records.back().prePrinted = 9;
  }
  records.emplace_back().type = kJTktMediaNamed;
  records.back().color = kJTktMediaColorNamed;
  const PlistDict systemDefault{{"Type", 23}};
  FillMediaData(&records.emplace_back(), &systemDefault, 0);
  for (const _MEDIADATA& media : records)
    EXPECT_EQ(jtkt_test::Recorded([&](const JTktWriteContext* out) { WriteJTktMedia(out, &media); }),
              "\t\t<media-col syntax=\"collection\">\n\t\t</media-col>\n")
        << media.type;
}

// A record filled again starts afresh: the named stock below, after the inserter, is no inserter.
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

}  // namespace

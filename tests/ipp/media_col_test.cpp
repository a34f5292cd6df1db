// media-col: every member the job stock can give, the ticket's words IPP does not register left
// out, and names and texts cut between characters.
#include <gtest/gtest.h>

#include "ipp/ipp_job_template.h"
#include "ipp_test_support.h"
#include "model/job_level_stock.h"

namespace {

using platform::PlistDict;

std::string JobMedia(const PlistDict& stock) {
  return ipp_test::FamilyText(AddIppJobMedia, PlistDict{{kJobLevelStockKey, stock}});
}

TEST(IppMediaCol, EveryPropertyOfTheJobStock) {
  EXPECT_EQ(JobMedia({{"Type", 1}, {"Weight", 90}, {"Description", "Bright \"white\" {FSC}"}, {"Punched", 1},
                      {"Color", 1}, {"Size", 4}, {"Finish", 1}, {"kGrain", 1}, {"SidesCoated", 2}, {"kCoatingType", 4}}),
            "media-col={media-size={x-dimension=21000 y-dimension=29700} media-type=stationery media-color=white "
            "media-weight-metric=90 media-front-coating=satin media-back-coating=none media-tooth=fine "
            "media-grain=y-direction media-info=Bright \\\"white\\\" {FSC}}\n");
  EXPECT_EQ(JobMedia({{"Size", 75}, {"Width", 20000}, {"Length", 30000}, {"Color", 10}, {"CustomColor", "Sea green"},
                      {"Finish", 2}, {"kGrain", 2}, {"SidesCoated", 3}, {"kCoatingType", 1}}),
            "media-col={media-size={x-dimension=20000 y-dimension=30000} media-color=Sea green "
            "media-front-coating=glossy media-back-coating=glossy media-tooth=medium media-grain=x-direction}\n");
  EXPECT_EQ(JobMedia({{"Type", 6}, {"CustomType", "Heavy card"}, {"Modulus", 5}, {"Punched", 2}}),
            "media-col={media-type=Heavy card media-order-count=5 media-hole-count=3}\n");
  EXPECT_EQ(JobMedia({{"CustomNameOnly", true}, {"CustomName", "Gloss 300"}, {"Type", 1}, {"Color", 3}}), "media-col={media-key=Gloss 300}\n");
}

TEST(IppMediaCol, WordsWithoutARegisteredKeywordAndDefaultsSendNothing) {
  EXPECT_EQ(JobMedia({}), "");
  EXPECT_EQ(JobMedia({{"Type", 13}}), "");
  EXPECT_EQ(JobMedia({{"Finish", 4}}), "");
  EXPECT_EQ(ipp_test::FamilyText(AddIppJobMedia, PlistDict{}), "");
}

TEST(IppMediaCol, NamesAndTextsAreCutBetweenCharacters) {
  EXPECT_EQ(IppName(std::string(254, 'a') + "\xC3\xA9"), std::string(254, 'a'));
  EXPECT_EQ(IppText(std::string(1021, 'b') + "\xE2\x80\x94"), std::string(1021, 'b'));
  EXPECT_EQ(IppText("short"), "short");
}

}  // namespace

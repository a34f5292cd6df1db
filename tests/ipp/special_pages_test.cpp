// Covers, inserts and page overrides, each with its own paper; the whole job template of a
// printer-default ticket is empty.
#include <gtest/gtest.h>

#include "ipp/ipp_job_template.h"
#include "ipp_test_support.h"
#include "model/job_level_stock.h"
#include "model/paper_output_keys.h"
#include "model/special_pages_ticket.h"

namespace {

using platform::PlistArray;
using platform::PlistDict;

TEST(IppSpecialPages, CoversInsertsAndOverrides) {
  const PlistDict ticket{
      {kFrontCoverKey, PlistDict{{"SidesImaged", 2}, {"Stock", PlistDict{{"Size", 4}, {"Weight", 250}, {"Color", 2}}}}},
      {kBackCoverKey, PlistDict{{"SidesImaged", 1}}},
      {kInsertListKey, PlistArray{PlistDict{{"StartPage", 4}, {"Quantity", 2}, {"Stock", PlistDict{{"Color", 3}}}},
                                  PlistDict{{"StartPage", 1}}}},
      {kExceptionListKey,
       PlistArray{PlistDict{{"StartPage", 2},
                            {"EndPage", 3},
                            {"SidesImaged", 2},
                            {"com.korvo.print.ImageShiftOptionsPage",
                             PlistDict{{"Option", 1}, {"Inches", 0}, {"X1", 50}, {"Y1", -20}, {"X2", 5}, {"Y2", 0}}},
                            {"Stock", PlistDict{{"Size", 6}}}},
                  PlistDict{{"StartPage", 8}, {"EndPage", 8}}}}};
  EXPECT_EQ(ipp_test::FamilyText(AddIppCovers, ticket),
            "cover-front={cover-type=print-front media-col={media-size={x-dimension=21000 y-dimension=29700} "
            "media-color=blue media-weight-metric=250}}\ncover-back={cover-type=print-none}\n");
  EXPECT_EQ(ipp_test::FamilyText(AddIppInserts, ticket),
            "insert-sheet={insert-after-page-number=4 insert-count=2 media-col={media-color=yellow}},"
            "{insert-after-page-number=1 insert-count=1}\n");
  // Tenths of a millimetre become hundredths; a size the writer has no dimensions for sends no paper.
  EXPECT_EQ(ipp_test::FamilyText(AddIppOverrides, ticket),
            "overrides={pages=2-3 sides=two-sided-long-edge x-side1-image-shift=500 x-side2-image-shift=50 "
            "y-side1-image-shift=-200},{pages=8-8}\n");
}

TEST(IppSpecialPages, ABookletForcingANewSizePrintsItsFrontCoverOnTheJobsSize) {
  const PlistDict ticket{{kBookletLayoutKey, true},
                         {kBookletForceNewSizeKey, true},
                         {kJobLevelStockKey, PlistDict{{"Size", 75}, {"Width", 20000}, {"Length", 30000}}},
                         {kFrontCoverKey, PlistDict{{"SidesImaged", 4}, {"Stock", PlistDict{{"Size", 4}}}}},
                         {kBackCoverKey, PlistDict{{"SidesImaged", 4}, {"Stock", PlistDict{{"Size", 4}}}}}};
  EXPECT_EQ(ipp_test::FamilyText(AddIppCovers, ticket),
            "cover-front={cover-type=print-both media-col={media-size={x-dimension=20000 y-dimension=30000}}}\n"
            "cover-back={cover-type=print-both media-col={media-size={x-dimension=21000 y-dimension=29700}}}\n");
}

TEST(IppJobTemplate, APrinterDefaultTicketSendsNoAttribute) {
  EXPECT_EQ(ipp_test::FamilyText(AddIppJobTemplate, PlistDict{}), "");
  EXPECT_EQ(ipp_test::FamilyText(AddIppJobTemplate, PlistDict{{kJobLevelStockKey, PlistDict{{"Size", -1}}},
                                                              {kInsertListKey, PlistArray{}},
                                                              {kExceptionListKey, PlistArray{}}}),
            "");
}

}  // namespace

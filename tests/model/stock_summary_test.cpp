#include <gtest/gtest.h>

#include <string>

#include "model/stock.h"
#include "model/stock_summary.h"
#include "platform/bundle/bundle.h"
#include "support/test_support.h"
#include "vocabulary/ppd_test_support.h"

namespace {

// The built bundle's English texts; no printer description unless a test chooses one.
class StockSummaryTest : public CurrentPPDTest {
 protected:
  void SetUp() override {
    CurrentPPDTest::SetUp();
    auto opened = platform::Bundle::open(korvo_test::BundlePath());
    ASSERT_TRUE(opened) << opened.error();
    bundle_ = *opened;
  }
  std::string Summary(JobContext context, const Stock& stock) {
    return GenerateStockSummary(bundle_, context, stock, "\n");
  }
  const platform::Bundle* bundle_ = nullptr;
};

TEST_F(StockSummaryTest, JobLevelTellsColourTypeAndWeightEvenWhenUnset) {
  EXPECT_EQ(Summary(kJobContextJob, Stock()),
            "Color: Printer Default\nType: Printer Default\nWeight: Printer Default");
}

TEST_F(StockSummaryTest, SpecialPageTellsOnlyWhatItSets) {
  EXPECT_EQ(Summary(kJobContextInsert, Stock()), "");
  Stock s;
  s.setSize(4);
  s.setColor(2);
  s.setType(1);
  s.setWeight(90);
  EXPECT_EQ(Summary(kJobContextInsert, s), "Size: A4 (210 x 297 mm)\nColor: Blue\nType: Plain\nWeight: 90 gsm");
  // The job's size is not part of its summary.
  EXPECT_EQ(Summary(kJobContextJob, s), "Color: Blue\nType: Plain\nWeight: 90 gsm");
  Stock custom;
  custom.setWidth(20000);
  custom.setColor(10);
  custom.setCustomColor("Salmon");
  EXPECT_EQ(GenerateStockSummary(bundle_, kJobContextCover, custom, " | "), "Size: Custom | Color: Salmon");
}

TEST_F(StockSummaryTest, CustomNameOnlyShowsTheNameAlone) {
  Stock s;
  s.setCustomName("Heavy Blue Card");
  s.setColor(2);
  s.setWeight(250);
  s.setCustomNameOnly(true);
  EXPECT_EQ(Summary(kJobContextJob, s), "Name: Heavy Blue Card");
  s.setCustomNameOnly(false);
  EXPECT_EQ(Summary(kJobContextException, s), "Name: Heavy Blue Card\nColor: Blue\nWeight: 250 gsm");
}

TEST_F(StockSummaryTest, CustomWeightShowsTheNumber) {
  Stock s;
  s.setWeight(163);
  EXPECT_EQ(Summary(kJobContextCover, s), "Weight: 163 gsm");
}

TEST_F(StockSummaryTest, TabsAndOrderedStocksShowTheirModulus) {
  Stock tab;
  tab.setType(4);
  tab.setModulus(5);
  EXPECT_EQ(Summary(kJobContextInsert, tab), "Type: Pre-Cut Tab (5)");
  Stock ordered;
  ordered.setType(6);
  ordered.setCustomType("Dividers");
  ordered.setModulus(3);
  EXPECT_EQ(Summary(kJobContextInsert, ordered), "Type: Dividers (3)");
  Stock customType;
  customType.setType(7);
  customType.setCustomType("Vellum");
  EXPECT_EQ(Summary(kJobContextInsert, customType), "Type: Vellum");
  Stock unknown;
  unknown.setType(999);  // no row: the number stands in for a label
  EXPECT_EQ(Summary(kJobContextInsert, unknown), "Type: 999");
}

TEST_F(StockSummaryTest, PrinterTabMediaTakeThePrintersText) {
  Stock s;
  s.setType(24);
  s.setModulus(5);
  EXPECT_EQ(Summary(kJobContextInsert, s), "Type: TabStock (5)");  // no printer: the keyword
  ASSERT_NE(UsePPD(korvo_test::SamplePPDPath()), nullptr);
  EXPECT_EQ(Summary(kJobContextInsert, s), "Type: Tab Stock (5)");
  s.setType(33);  // a medium this printer does not offer
  EXPECT_EQ(Summary(kJobContextInsert, s), "Type: HeavyTabStock (5)");
  s.setModulus(0);
  EXPECT_EQ(Summary(kJobContextInsert, s), "Type: 33");
}

TEST_F(StockSummaryTest, ASourceReplacesTheSettings) {
  Stock s;
  s.setColor(2);
  s.setCustomName("Blue");
  s.setSource(10);
  EXPECT_EQ(Summary(kJobContextCover, s), "- ");  // this printer names no inserter
  s.setSource(3);
  EXPECT_EQ(Summary(kJobContextCover, s), "");
}

TEST_F(StockSummaryTest, NoBundleNoSummary) {
  EXPECT_EQ(GenerateStockSummary(nullptr, kJobContextJob, Stock(), "\n"), "");
}

}  // namespace

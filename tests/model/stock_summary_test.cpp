#include <gtest/gtest.h>

#include <functional>
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

Stock Made(const std::function<void(Stock&)>& set) {
  Stock s;
  set(s);
  return s;
}

TEST_F(StockSummaryTest, TellsWhatTheStockSets) {
  const auto blueA4 = [](Stock& s) { s.setSize(4), s.setColor(2), s.setType(1), s.setWeight(90); };
  const auto named = [](Stock& s) { s.setCustomName("Heavy Blue Card"), s.setColor(2), s.setWeight(250); };
  const struct {
    JobContext context;
    Stock stock;
    const char* summary;
  } cases[] = {
      // The job tells colour, type and weight even when unset; a special page only what it sets.
      {kJobContextJob, Stock(), "Color: Printer Default\nType: Printer Default\nWeight: Printer Default"},
      {kJobContextInsert, Stock(), ""},
      {kJobContextInsert, Made(blueA4), "Size: A4 (210 x 297 mm)\nColor: Blue\nType: Plain\nWeight: 90 gsm"},
      {kJobContextJob, Made(blueA4), "Color: Blue\nType: Plain\nWeight: 90 gsm"},  // not the job's size
      {kJobContextJob, Made([&](Stock& s) { named(s), s.setCustomNameOnly(true); }), "Name: Heavy Blue Card"},
      {kJobContextException, Made(named), "Name: Heavy Blue Card\nColor: Blue\nWeight: 250 gsm"},
      {kJobContextCover, Made([](Stock& s) { s.setWeight(163); }), "Weight: 163 gsm"},
      // Tabs and ordered stocks show their modulus.
      {kJobContextInsert, Made([](Stock& s) { s.setType(4), s.setModulus(5); }), "Type: Pre-Cut Tab (5)"},
      {kJobContextInsert, Made([](Stock& s) { s.setType(6), s.setCustomType("Dividers"), s.setModulus(3); }),
       "Type: Dividers (3)"},
      {kJobContextInsert, Made([](Stock& s) { s.setType(7), s.setCustomType("Vellum"); }), "Type: Vellum"},
      // No row: the number stands in for a label.
      {kJobContextInsert, Made([](Stock& s) { s.setType(999); }), "Type: 999"},
      // A source replaces the settings; this printer names no inserter.
      {kJobContextCover, Made([](Stock& s) { s.setColor(2), s.setCustomName("Blue"), s.setSource(10); }), "- "},
      {kJobContextCover, Made([](Stock& s) { s.setColor(2), s.setCustomName("Blue"), s.setSource(3); }), ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Summary(c.context, c.stock), c.summary);
  Stock custom = Made([](Stock& s) { s.setWidth(20000), s.setColor(10), s.setCustomColor("Salmon"); });
  EXPECT_EQ(GenerateStockSummary(bundle_, kJobContextCover, custom, " | "), "Size: Custom | Color: Salmon");
  EXPECT_EQ(GenerateStockSummary(nullptr, kJobContextJob, Stock(), "\n"), "");
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

}  // namespace

// The colour summary: one line per choice that is set, custom profiles by their own names, and
// the printer-default or job-setting wording when nothing is set.
#include "model/full_color_summary.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

TEST(FullColorSummary, NamesEachSetChoiceInTheDialogsOrder) {
  auto bundle = platform::Bundle::open(korvo_test::BundlePath());
  ASSERT_TRUE(bundle);
  FullColorOptions o;
  EXPECT_EQ(GenerateFullColorSummary(*bundle, &o, kJobContextJob), "Printer Default");
  EXPECT_EQ(GenerateFullColorSummary(*bundle, &o, kJobContextException), (*bundle)->localizedString("UseJobSetting"));
  o.setContrast(-5);
  o.setColorCast(1, 2, kPrinterDefault);  // a cast with a value missing is not shown
  o.setTrapping(1);
  o.setTrappingAdjustment(3, kPrinterDefault);
  o.setRGBImagesProfile(kCustomRGBProfileIndex, "Studio RGB");
  o.setGrayTextAndGraphicsProfile("Neutral");
  o.setGraphicObjectRendering(2);
  EXPECT_EQ(GenerateFullColorSummary(*bundle, &o, kJobContextJob),
            "Contrast: -5\nTrapping: On\nTrapping Width: 3\nRGB Images Profile: Studio RGB\n"
            "Gray Text and Graphics Profile: Neutral\nGraphic Rendering: Relative Colorimetric");
  EXPECT_EQ(GenerateFullColorSummary(nullptr, &o, kJobContextJob), std::nullopt);
}

}  // namespace

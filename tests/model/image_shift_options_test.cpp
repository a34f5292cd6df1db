#include <gtest/gtest.h>

#include "model/image_shift_options.h"
#include "support/test_support.h"

namespace {

using platform::PlistDict;
using platform::PlistValue;

ImageShiftOptions Read(const PlistDict& dict) {
  ImageShiftOptions o;
  o.fromTicket(dict);
  return o;
}

TEST(ImageShift, ValuesTravelInHundredthsOfAMillimetreComeBackCutAndFallBackWhenOutOfRange) {
  ImageShiftOptions o;
  o.option = kImageShiftIndependent;
  o.x1 = 100;  // one inch
  o.y1 = 3;    // 0.03 inch, stored as 76 (2.99), which cutting alone would make 0.02
  o.x2 = -1921;
  o.y2 = 1259;
  auto dict = o.asTicket();
  ASSERT_TRUE(dict);
  EXPECT_EQ(dict->at("X1"), PlistValue(2540));
  EXPECT_EQ(dict->at("FullPrecision"), PlistValue(true));
  ImageShiftOptions back = Read(*dict);
  for (int trip = 0; trip < 5; ++trip) back = Read(*back.asTicket());
  EXPECT_EQ(back, o);

  EXPECT_EQ(Read({{"Option", 1}, {"FullPrecision", true}, {"X1", 2539}}).x1, 99);  // cut, not rounded
  ImageShiftOptions mm = Read({{"Option", 1}, {"Inches", 0}, {"FullPrecision", true}, {"X1", 10}, {"Y1", -15}});
  EXPECT_FALSE(mm.inches);
  EXPECT_EQ(mm.x1, 1);
  EXPECT_EQ(mm.y1, -1);  // -1.5 tenths, cut toward zero
  EXPECT_EQ(*mm.asTicket()->at("X1").asInteger(), 10);

  // Older dictionaries hold values in their own unit.
  ImageShiftOptions old = Read({{"Option", 1}, {"X1", 250}});
  EXPECT_TRUE(old.inches);
  EXPECT_EQ(old.x1, 250);
  EXPECT_EQ(Read({{"Option", 1}, {"Inches", 0}, {"X1", 250}}).x1, 250);

  // Every field, in millimetres, read into a record that was not valid.
  ImageShiftOptions every;
  every.option = kImageShiftMirrorYTandemX;
  every.inches = false;
  every.x1 = -4880, every.y1 = 3200, every.x2 = 12, every.y2 = -7;
  ImageShiftOptions invalid;
  invalid.valid = false;
  invalid.fromTicket(*every.asTicket());
  EXPECT_EQ(invalid, every);

  // Out of range, unknown or of the wrong kind: the default.
  ImageShiftOptions bad = Read({{"Option", 77}, {"X1", 1922}, {"Y1", -1260}, {"X2", "5"}, {"Y2", 12}});
  EXPECT_EQ(bad.option, kImageShiftPrinterDefault);
  EXPECT_EQ(std::vector({bad.x1, bad.y1, bad.x2, bad.y2}), std::vector({0, 0, 0, 12}));
  EXPECT_TRUE(bad.valid);
  // A printer-default or invalid record writes nothing.
  EXPECT_FALSE(ImageShiftOptions().asTicket());
  o.option = kImageShiftTandemBoth;
  o.valid = false;
  EXPECT_FALSE(o.asTicket());
}

// What each option makes of side two, and which fields it lets the user enter, is the image shift
// dialog's (tests/panels); here the old "mirror both" code and a printer-default record.
TEST(ImageShift, SideTwoFollowsSideOneAsTheOptionSays) {
  ImageShiftOptions o;
  o.x1 = 30, o.y1 = -12, o.x2 = 7, o.y2 = 8;
  o.option = kImageShiftMirrorBothAlias;
  o.applyOption();
  EXPECT_EQ(std::pair(o.x2, o.y2), std::pair(-30, 12));
  const ImageShiftEditableFields f = EditableImageShiftFields(kImageShiftPrinterDefault, 2);
  EXPECT_EQ(std::vector({f.side1, f.x2, f.y2}), std::vector({false, false, false}));
}

TEST(ImageShift, ChangingTheUnitConvertsAndStaysInRange) {
  ImageShiftOptions o;
  o.x1 = 1921;
  o.y1 = -100;
  o.setInches(false);
  EXPECT_EQ(o.x1, 4879);  // 1921 x 2.54 = 4879.34
  EXPECT_EQ(o.y1, -254);
  o.x1 = 4880;
  o.setInches(true);
  EXPECT_EQ(o.x1, 1921);  // 4880 / 2.54 = 1921.26
  o.setInches(false);
  o.y1 = 3200;
  o.setInches(true);
  EXPECT_EQ(o.y1, 1259);  // 1259.8 would round past the range: clamped
}

TEST(ImageShift, SummaryShowsBothSidesOrTheDefault) {
  auto bundle = platform::Bundle::open(korvo_test::BundlePath());
  ASSERT_TRUE(bundle) << bundle.error();
  korvo_test::ScopedEnv english("LC_ALL", "en_US.UTF-8");
  ImageShiftOptions o;
  EXPECT_EQ(GenerateImageShiftSummary(*bundle, &o, kJobContextJob), "Printer Default");
  EXPECT_EQ(GenerateImageShiftSummary(*bundle, &o, kJobContextException), "Use Job Setting");
  o.option = kImageShiftIndependent;
  o.x1 = 150;
  o.y1 = -5;
  EXPECT_EQ(GenerateImageShiftSummary(*bundle, &o, kJobContextJob),
            "Side 1: X: 1.50 in, Y: -0.05 in\nSide 2: X: 0.00 in, Y: 0.00 in");
  o.setInches(false);
  EXPECT_EQ(GenerateImageShiftSummary(*bundle, &o, kJobContextJob),
            "Side 1: X: 38.1 mm, Y: -1.3 mm\nSide 2: X: 0.0 mm, Y: 0.0 mm");
  EXPECT_FALSE(GenerateImageShiftSummary(nullptr, &o, kJobContextJob));
}

}  // namespace

// Every model record kept as a ticket dictionary comes back whole from its own dictionary: a
// field written but not read (or read under another key) fails here.
#include <gtest/gtest.h>

#include "model/background_forms_options.h"
#include "model/full_color_options.h"
#include "model/image_shift_options.h"
#include "model/stock.h"
#include "model/stock_test_support.h"
#include "support/test_support.h"

namespace {

using platform::PlistDict;

TEST(TicketFieldRoundTrip, StockWithEveryFieldSet) {
  const Stock s = stock_test::EveryFieldSet();
  const PlistDict dict = s.asTicket();
  const Stock back(&dict);
  EXPECT_TRUE(back == s);
  EXPECT_EQ(back.asTicket(), dict);  // the texts too, to the letter case
}

TEST(TicketFieldRoundTrip, FullColorWithEveryFieldSet) {
  FullColorOptions o;
  o.setLightness(-100);
  o.setContrast(100);
  o.setSaturation(-5);
  o.setColorCast(7, -8, 9);
  o.setTrapping(1);
  o.setTrappingAdjustment(3, 17);
  o.setBlackOverprint(1);
  o.setTRC("Curve");
  o.setRGBImagesProfile(kCustomRGBProfileIndex, "Camera RGB");
  o.setRGBTextAndGraphicsProfile(2, std::nullopt);
  o.setCMYKImagesProfile(1, std::nullopt);
  o.setCMYKTextAndGraphicsProfile(kCustomCMYKProfileIndex, "Uncoated");
  o.setGrayImagesProfile("Gray 1");
  o.setGrayTextAndGraphicsProfile("Gray 2");
  o.setDestinationProfile(1, std::nullopt);
  o.setImageObjectRendering(1);
  o.setTextObjectRendering(2);
  o.setGraphicObjectRendering(3);
  const PlistDict dict = o.asTicket();
  EXPECT_EQ(dict.size(), 19u);  // every key, the colour cast holding three more
  EXPECT_EQ(FullColorOptions(&dict), o);
}

TEST(TicketFieldRoundTrip, BackgroundFormsWithEveryFieldSet) {
  korvo_test::ScopedXdgHome home;
  BackgroundFormsOptions o;
  o.setUseExistingForm(2);
  o.setMergeWithString("Letterhead");
  o.setNewFormString("Invoice");
  o.setCyclePages(5, false);
  o.setInches(0);
  o.setXOffset(-30);
  o.setYOffset(45);
  o.setUseDocumentName(0);
  o.setApplyPagesFrom(3);
  const PlistDict dict = o.asTicket();
  EXPECT_EQ(dict.size(), 9u);
  EXPECT_EQ(BackgroundFormsOptions(dict), o);
}

TEST(TicketFieldRoundTrip, ImageShiftWithEveryFieldSet) {
  ImageShiftOptions o;
  o.option = kImageShiftMirrorYTandemX;
  o.inches = false;
  o.x1 = -4880;
  o.y1 = 3200;
  o.x2 = 12;
  o.y2 = -7;
  ImageShiftOptions back;
  back.valid = false;
  back.fromTicket(*o.asTicket());
  EXPECT_EQ(back, o);
}

}  // namespace

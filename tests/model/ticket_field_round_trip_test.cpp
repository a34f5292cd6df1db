// Every model record kept as a ticket dictionary comes back whole from its own dictionary: a
// field written but not read (or read under another key) fails here. (The stock's is checked
// through the session file, in stock_session_test.)
#include <gtest/gtest.h>

#include "model/background_forms_options.h"
#include "model/full_color_options.h"
#include "model/image_shift_options.h"
#include "support/test_support.h"

namespace {

using platform::PlistDict;

// Each profile once by index and once by a custom name.
TEST(TicketFieldRoundTrip, FullColorWithEveryFieldSet) {
  for (const bool custom : {false, true}) {
    FullColorOptions o;
    o.setLightness(-100);
    o.setContrast(100);
    o.setSaturation(-5);
    o.setColorCast(7, -8, 9);
    o.setTrapping(1);
    o.setTrappingAdjustment(3, 17);
    o.setBlackOverprint(1);
    o.setTRC("Curve");
    const auto name = [](bool named, const char* text) { return named ? std::optional<std::string>(text) : std::nullopt; };
    o.setRGBImagesProfile(custom ? kCustomRGBProfileIndex : 4, name(custom, "Camera RGB"));
    o.setRGBTextAndGraphicsProfile(custom ? 2 : kCustomRGBProfileIndex, name(!custom, "Text RGB"));
    o.setCMYKImagesProfile(custom ? kCustomCMYKProfileIndex : 1, name(custom, "ISO Coated"));
    o.setCMYKTextAndGraphicsProfile(custom ? 2 : kCustomCMYKProfileIndex, name(!custom, "Uncoated"));
    o.setGrayImagesProfile("Gray 1");
    o.setGrayTextAndGraphicsProfile("Gray 2");
    o.setDestinationProfile(custom ? kCustomDestinationProfileIndex : 1, name(custom, "Press 7"));
    o.setImageObjectRendering(1);
    o.setTextObjectRendering(2);
    o.setGraphicObjectRendering(3);
    const PlistDict dict = o.asTicket();
    EXPECT_EQ(dict.size(), 19u);  // every key, the colour cast holding three more
    EXPECT_EQ(FullColorOptions(&dict), o) << custom;
    auto copy = o.clone();  // a clone is equal and apart
    EXPECT_EQ(*copy, o);
    copy->setLightness(11);
    EXPECT_FALSE(*copy == o);
  }
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

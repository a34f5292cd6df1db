// The image-shift dialog, opened from the Image Options panel: what the plex offers, how the
// option rules enable the side-2 fields and compute their values, the unit switch both ways, the
// job stock's size. (Cancel, after Defaults too, is korvo-pde set's to check, byte for byte.)
#include <gtest/gtest.h>

#include "model/job_level_stock.h"
#include "model/paper_output_keys.h"
#include "model/platform_keys.h"
#include "model/ticket_clients.h"
#include "panels/image_options/image_options_test_support.h"
#include "panels/image_options/image_shift_dialog.h"
#include "panels/modal_dialog.h"
#include "panels/paper_output/paper_output_test_support.h"

namespace {

namespace ui = platform::ui;
using korvo_test::Act;
using korvo_test::ActOn;

using korvo_test::In;
ui::Control& Arrows(ui::Window& window, std::int32_t id) { return *window.find({platform::FourCharCode("KPDE"), id}); }

class ImageShiftDialog : public korvo_test::DialogTest {
 protected:
  ImageShiftDialog() : DialogTest(korvo_test::SamplePPDPath()) {}
  std::unique_ptr<korvo_test::PluginDialog> dialog;
  ImageShiftOptions& shift() { return korvo_test::ImageOptionsPanelContext().imageShift; }

  // Opens the dialog on a session that prints two-sided unless oneSided.
  // The panel is brought to the front first: a panel switch makes every panel read the ticket.
  void Open(bool oneSided = false) {
    platform::Ticket& settings = session.ensureTicket(platform::kPDE_PMPrintSettingsRef);
    settings.set(kPMDuplexingKey, oneSided ? 1 : 2, kPrintingManagerClientID);
    dialog = std::make_unique<korvo_test::PluginDialog>(session);
    ASSERT_EQ(dialog->user().bringToFront(dialog->named("ImageShiftSetup")), platform::noErr);
  }
  void Run() {
    ui::Control& button = dialog->named("ImageShiftSetup");
    ASSERT_EQ(dialog->user().bringToFront(button), platform::noErr);
    ASSERT_EQ(dialog->user().click(button), platform::noErr);
    EXPECT_TRUE(script.scriptUsedUp());
  }
};

TEST_F(ImageShiftDialog, OneSidedOffersOnlyPrinterDefaultAndIndependentWithSide2Disabled) {
  Open(true);
  script.onModal([](ui::Window& window, ui::UserDriver& user) {
    EXPECT_EQ(In(window, "Option").menu().count(), 2);
    ActOn(window, user, {{"Option", "Independent"}, {"X1", "0.50"}});
    EXPECT_TRUE(In(window, "Y1").enabled());
    EXPECT_FALSE(In(window, "X2").enabled());
    EXPECT_FALSE(In(window, "Y2").enabled());
    user.pressReturn(window);
  });
  Run();
  EXPECT_EQ(shift().option, kImageShiftIndependent);
  EXPECT_EQ(shift().x1, 50);
}

TEST_F(ImageShiftDialog, TheOptionDecidesWhichSide2FieldsAreEnteredAndWhatTheOthersShow) {
  Open();
  struct Case {
    const char* option;
    bool x2Entered, y2Entered;
    std::int32_t x2, y2;  // with X1 = 1.00, Y1 = -0.25, X2 = 0.10, Y2 = 0.20 typed where entered
  };
  const Case cases[] = {
      {"Independent", true, true, 10, 20},  {"Mirror Horizontally", false, true, -100, 20}, {"Mirror Vertically", true, false, 10, 25},
      {"Mirror Both", false, false, -100, 25}, {"Mirror Horizontally, Tandem Vertically", false, false, -100, -25},
      {"Tandem Horizontally", false, true, 100, 20},    {"Tandem Both", false, false, 100, -25},
  };
  for (const Case& c : cases) {
    script.onModal([&c](ui::Window& window, ui::UserDriver& user) {
      ActOn(window, user, {{"Option", c.option}, {"X1", "1.00"}, {"Y1", "-0.25"}});
      EXPECT_EQ(In(window, "X2").enabled(), c.x2Entered) << c.option;
      EXPECT_EQ(In(window, "Y2").enabled(), c.y2Entered) << c.option;
      if (c.x2Entered) ActOn(window, user, {{"X2", "0.10"}});
      if (c.y2Entered) ActOn(window, user, {{"Y2", "0.20"}});
      EXPECT_EQ(Arrows(window, 976).value(), c.x2) << c.option;  // shown before OK
      user.pressReturn(window);
    });
    Run();
    EXPECT_EQ(shift().x2, c.x2) << c.option;
    EXPECT_EQ(shift().y2, c.y2) << c.option;
  }
}

TEST_F(ImageShiftDialog, UnitsSwitchBothWaysAndTheLargestShiftStaysInRange) {
  Open();
  script.onModal([this](ui::Window& window, ui::UserDriver& user) {
    ActOn(window, user, {{"Option", "Independent"}, {"X1", "1.00"}, {"Units", "Millimeters"}});
    EXPECT_EQ(Arrows(window, 971).value(), 254);
    EXPECT_EQ(In(window, "X1").text(), "25.4");
    ActOn(window, user, {{"Units", "Inches"}});
    EXPECT_EQ(Arrows(window, 971).value(), 100);
    ActOn(window, user, {{"Units", "Millimeters"}, {"X1", "488.0"}, {"Units", "Inches"}});
    EXPECT_EQ(Arrows(window, 971).value(), 1921);
    EXPECT_EQ(script.beeps(), 0);
    user.pressReturn(window);
  });
  Run();
  EXPECT_TRUE(shift().inches);
  EXPECT_EQ(shift().x1, 1921);
}

TEST_F(ImageShiftDialog, NamesTheJobStocksSizeFromTheTicket) {
  Stock legal;
  legal.setSize(2);
  WriteJobLevelStock(session.ensureTicket(platform::kPDE_PMPrintSettingsRef), legal, kPanelsClientID);
  Open();
  std::string shown;
  script.onModal([&shown](ui::Window& window, ui::UserDriver& user) {
    shown = window.find({platform::FourCharCode("KPDE"), 962})->text();
    user.pressEscape(window);
  });
  Run();
  auto bundle = platform::Bundle::open(korvo_test::BundlePath());
  ASSERT_TRUE(bundle);
  EXPECT_EQ(shown, (*bundle)->localizedString("LegalStockSize"));
}

}  // namespace

// The Paper/Output panel clicked through as a user would: its menus, pop-ups, summaries and the
// rules between its choices.
#include <gtest/gtest.h>

#include "model/paper_output_keys.h"
#include "model/platform_keys.h"
#include "panels/paper_output/finishing/finishing_menu.h"
#include "panels/paper_output/paper_output_test_support.h"
#include "platform/ui/scripted_interaction.h"

namespace {

namespace ui = platform::ui;
using korvo_test::ItemNumber;
using korvo_test::PluginDialog;

class PaperOutputPanel : public korvo_test::DialogTest {
 protected:
  static const ui::MenuItem& Item(ui::Control& control, const std::string& text) {
    const int n = ItemNumber(control.menu(), text);
    EXPECT_NE(n, 0) << text;
    static ui::MenuItem none;
    return n ? *control.menu().item(n) : none;
  }
  static std::string FinishingSummary(PluginDialog& dialog) {
    return dialog.window().content().find({platform::FourCharCode("PpOu"), 32})->text();
  }
  static std::string PaperSummary(PluginDialog& dialog) {
    return dialog.window().content().find({platform::FourCharCode("PpOu"), 11})->text();
  }
};

TEST_F(PaperOutputPanel, TheFinishingMenuOffersWhatThePrinterHas) {
  {
    PluginDialog dialog(session);
    EXPECT_EQ(korvo_test::MenuTexts(dialog.named("Finishing").menu()), (std::vector<std::string>{
                         "Printer Default", "None", "1 Staple...", "2 Staples...", "Center Staple...", "Bind...",
                         "2 Hole Punch...", "3 Hole Punch...", "4 Hole Punch...", "Fold...", "Z Fold Half Sheet...",
                         "Multiple Finishing...", "Signature Booklet", "Custom...", "Coil Punch...", "-",
                         "Slip Sheets", "Offset/Subset...", "Pads...", "-", "Booklet Creation..."}));
  }
  platform::PrintSession sample = korvo_test::SessionOn(korvo_test::SamplePPDPath());
  PluginDialog dialog(sample);
  EXPECT_EQ(korvo_test::MenuTexts(dialog.named("Finishing").menu()), (std::vector<std::string>{"Printer Default", "None", "1 Staple...", "2 Staples...", "-",
                                             "Slip Sheets", "Offset/Subset...", "Pads...", "-",
                                             "Booklet Creation..."}));
}

TEST_F(PaperOutputPanel, PadsAndTheStockDialogsAreOfferedPadsNeverWithABookletOrSpecialPages) {
  PluginDialog dialog(session);
  ui::Control& finishing = dialog.named("Finishing");
  EXPECT_TRUE(Item(finishing, "Pads...").enabled);
  ui::Control& paper = dialog.named("Paper");
  EXPECT_TRUE(Item(paper, "Stock Library...").enabled);
  EXPECT_TRUE(Item(paper, "Advanced Paper Selection...").enabled);
  EXPECT_FALSE(dialog.window().content().find({platform::FourCharCode("PpOu"), 3})->enabled());  // no set-up
  dialog.panel().booklet.on = true;
  UpdateFinishingMenu(dialog.panel(), finishing.menu());
  EXPECT_FALSE(Item(finishing, "Pads...").enabled);
  dialog.panel().booklet.on = false;
  dialog.panel().specialPagesExist = true;
  UpdateFinishingMenu(dialog.panel(), finishing.menu());
  EXPECT_FALSE(Item(finishing, "Pads...").enabled);
}

TEST_F(PaperOutputPanel, APaperTwoSidedAndColourChangeTheSummaryAndTheTicket) {
  PluginDialog dialog(session);
  ASSERT_EQ(dialog.choose("Paper", "Color", "Blue"), platform::noErr);
  ASSERT_EQ(dialog.choose("Paper", "Weight", "120"), platform::noErr);
  EXPECT_EQ(PaperSummary(dialog), "Color: Blue\nType: Printer Default\nWeight: 120 gsm");
  ASSERT_EQ(dialog.choose("TwoSided", "Two-Sided (Short Edge)"), platform::noErr);
  EXPECT_EQ(settings().getInteger(kPMDuplexingKey), 3);  // at once
  ASSERT_EQ(dialog.choose("OutputColor", "Grayscale"), platform::noErr);
  dialog.sync(false);
  const platform::PlistDict& stock = *settings().getDictionary("com.korvo.print.JobLevelStock");
  EXPECT_EQ(*platform::PlistDictFind(stock, "Color"), platform::PlistValue(2));
  EXPECT_EQ(*platform::PlistDictFind(stock, "Weight"), platform::PlistValue(120));
  EXPECT_EQ(settings().getInteger(kFinishingDuplexKey), 3);
  EXPECT_EQ(settings().ppdDict()["Duplex"], platform::PlistValue("DuplexTumble"));
  EXPECT_EQ(settings().getInteger(kFinishingOutputColorKey), 1);
}

TEST_F(PaperOutputPanel, NoneAfterASquareFoldedTrimmedBookletWritesMinusOne) {
  PluginDialog dialog(session);
  FinishingState& f = dialog.panel().finishing;
  f.code = kFinishingBooklet;
  f.fold = kFoldBiFoldMultipleInside;
  f.squareFoldOn = true;
  f.trimOn = true;
  f.trimLength = 125;
  dialog.sync(false);
  EXPECT_EQ(settings().getInteger(kFinishingTrimLengthValueKey), 125);
  ASSERT_EQ(dialog.choose("Finishing", "None"), platform::noErr);
  dialog.sync(false);
  EXPECT_EQ(settings().getInteger(kFinishingOptionsKey), 1);
  EXPECT_EQ(settings().getInteger(kFinishingSquareFoldValueKey), -1);
  EXPECT_EQ(settings().getInteger(kFinishingTrimLengthValueKey), -1);
  EXPECT_EQ(settings().getInteger(kFinishingFoldValueKey), 0);
}

TEST_F(PaperOutputPanel, SlipSheetsTurnPadsOffAndPadsStayOff) {
  Set(kJobTypeKey, platform::PlistDict{{"JobType", 1}, {"PadEnable", true}});
  PluginDialog dialog(session);
  ASSERT_TRUE(dialog.panel().pads.on);
  EXPECT_TRUE(Item(dialog.named("Finishing"), "Pads...").checked);
  ASSERT_EQ(dialog.choose("Finishing", "Slip Sheets"), platform::noErr);
  EXPECT_EQ(dialog.panel().finishing.slipSheets, 2);
  EXPECT_FALSE(dialog.panel().pads.on);
  EXPECT_TRUE(Item(dialog.named("Finishing"), "Slip Sheets").checked);
  ASSERT_EQ(dialog.choose("Finishing", "Slip Sheets"), platform::noErr);
  EXPECT_EQ(dialog.panel().finishing.slipSheets, 0);
  EXPECT_FALSE(dialog.panel().pads.on);
  dialog.sync(false);
  EXPECT_EQ(*platform::PlistDictFind(*settings().getDictionary(kJobTypeKey), "PadEnable"), platform::PlistValue(false));
}

TEST_F(PaperOutputPanel, ATransparencyTakesSquareFoldAndTrimmingAway) {
  PluginDialog dialog(session);
  FinishingState& f = dialog.panel().finishing;
  f.squareFoldOn = true;
  f.trimOn = true;
  f.trimLength = 130;
  ASSERT_EQ(dialog.choose("Finishing", "Slip Sheets"), platform::noErr);  // any event refreshes the summary
  EXPECT_NE(FinishingSummary(dialog).find("Square Fold: Normal"), std::string::npos);
  EXPECT_NE(FinishingSummary(dialog).find("Trimmed Length 130.00 mm"), std::string::npos);
  ASSERT_EQ(dialog.choose("Paper", "Type", "Transparency"), platform::noErr);
  EXPECT_FALSE(f.squareFoldOn);
  EXPECT_FALSE(f.trimOn);
  EXPECT_FALSE(dialog.panel().squareFoldAvailable);
  EXPECT_EQ(FinishingSummary(dialog), "Printer Default\nSlip Sheets\nOffset: Printer Default");
}

TEST_F(PaperOutputPanel, AHeavyPaperRulesTheCoilPunchOut) {
  Set(kFinishingOptionsKey, 58);
  Set(kFinishingCoilPunchValueKey, 255);
  PluginDialog dialog(session);
  EXPECT_TRUE(Item(dialog.named("Finishing"), "Coil Punch...").checked);
  ASSERT_EQ(dialog.choose("Paper", "Weight", "250"), platform::noErr);
  EXPECT_FALSE(Item(dialog.named("Finishing"), "Coil Punch...").enabled);
  EXPECT_EQ(dialog.panel().finishing.coil, 0);
  EXPECT_EQ(dialog.panel().finishing.code, 0);
}

TEST_F(PaperOutputPanel, TheSummariesOfAJobWithoutFinishingAreMadeAgainAtEveryOpen) {
  PluginDialog dialog(session);
  EXPECT_EQ(FinishingSummary(dialog), "Printer Default\nOffset: Printer Default");
  EXPECT_TRUE(Item(dialog.named("Finishing"), "Printer Default").checked);
  EXPECT_EQ(PaperSummary(dialog), "Color: Printer Default\nType: Printer Default\nWeight: Printer Default");
  const ui::ControlID summaryID{platform::FourCharCode("PpOu"), 32};
  const ui::Rect bounds = dialog.window().content().find(summaryID)->bounds();
  dialog.close();
  EXPECT_EQ(dialog.window().content().find(summaryID), nullptr);
  dialog.open();
  ASSERT_NE(dialog.window().content().find(summaryID), nullptr);
  EXPECT_EQ(dialog.window().content().find(summaryID)->bounds(), bounds);
  EXPECT_EQ(FinishingSummary(dialog), "Printer Default\nOffset: Printer Default");
}

}  // namespace

// The Paper/Output panel clicked through as a user would: its menus, pop-ups, summaries and the
// rules between its choices; its Sync both ways: every entry it owns survives a round trip
// through the session file and the panel, absent entries take their defaults, and the faults of
// older versions stay mended.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/paper_output_keys.h"
#include "model/platform_keys.h"
#include "panels/paper_output/paper_output_test_support.h"
#include "platform/ui/scripted_interaction.h"

namespace {

namespace ui = platform::ui;
using korvo_test::PluginDialog;

class PaperOutputPanel : public korvo_test::DialogTest {
 protected:
  korvo_test::TempDir dir;
  static const ui::MenuItem& Item(ui::Control& control, const std::string& text) {
    const int n = control.menu().findText(text);
    EXPECT_NE(n, 0) << text;
    static ui::MenuItem none;
    return n ? *control.menu().item(n) : none;
  }
  // The finishing summary, or the paper summary with id 11.
  static std::string FinishingSummary(PluginDialog& dialog, std::int32_t id = 32) {
    return dialog.window().content().find({platform::FourCharCode("PpOu"), id})->text();
  }
};

TEST_F(PaperOutputPanel, TheFinishingMenuOffersWhatThePrinterHas) {
  const auto items = [](platform::PrintSession& on) {
    PluginDialog dialog(on);
    return korvo_test::MenuTexts(dialog.named("Finishing").menu());
  };
  EXPECT_EQ(items(session), (std::vector<std::string>{
                                "Printer Default", "None", "1 Staple...", "2 Staples...", "Center Staple...", "Bind...",
                                "2 Hole Punch...", "3 Hole Punch...", "4 Hole Punch...", "Fold...", "Z Fold Half Sheet...",
                                "Multiple Finishing...", "Signature Booklet", "Custom...", "Coil Punch...", "-",
                                "Slip Sheets", "Offset/Subset...", "Pads...", "-", "Booklet Creation..."}));
  platform::PrintSession sample = korvo_test::SessionOn(korvo_test::SamplePPDPath());
  EXPECT_EQ(items(sample), (std::vector<std::string>{"Printer Default", "None", "1 Staple...", "2 Staples...", "-",
                                                     "Slip Sheets", "Offset/Subset...", "Pads...", "-",
                                                     "Booklet Creation..."}));
}

// (That pads and the stock dialogs are offered, and a normal job has no set-up, korvo-pde set
// finds as it uses them; that a booklet takes pads away, the booklet dialog's test.)

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

// (What the paper, two-sided and colour choices store is korvo-pde set's to check.)
TEST_F(PaperOutputPanel, ATransparencyTakesSquareFoldAndTrimmingAway) {
  PluginDialog dialog(session);
  FinishingState& f = dialog.panel().finishing;
  f.squareFoldOn = true;
  f.trimOn = true;
  f.trimLength = 130;
  ASSERT_EQ(dialog.choose("Finishing", "Slip Sheets"), platform::noErr);  // any event refreshes the summary
  EXPECT_NE(FinishingSummary(dialog).find("Square Fold: Normal"), std::string::npos);
  EXPECT_NE(FinishingSummary(dialog).find("Trimmed Length: 130.00 mm"), std::string::npos);
  ASSERT_EQ(dialog.choose("Paper", "Type", "Transparency"), platform::noErr);
  EXPECT_FALSE(f.squareFoldOn);
  EXPECT_FALSE(f.trimOn);
  EXPECT_FALSE(dialog.panel().squareFoldAvailable);
  EXPECT_EQ(FinishingSummary(dialog), "Printer Default\nSlip Sheets\nOffset: Printer Default");
  // Slip sheets between transparencies are named under the paper, in the printer's default colour.
  EXPECT_EQ(FinishingSummary(dialog, 11), "Color: Clear\nType: Transparency\nWeight: Printer Default\n- Separators: White");
  ASSERT_EQ(dialog.choose("Finishing", "Slip Sheets"), platform::noErr);
  EXPECT_EQ(FinishingSummary(dialog, 11).find("Separators"), std::string::npos);
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
  EXPECT_EQ(FinishingSummary(dialog, 11), "Color: Printer Default\nType: Printer Default\nWeight: Printer Default");
  // Made again where it was among its siblings, so that the keyboard reaches it in the order shown.
  const auto place = [&dialog] {
    const ui::Control* summary = dialog.window().content().find({platform::FourCharCode("PpOu"), 32});
    if (summary == nullptr) return std::pair(ui::Rect{}, std::ptrdiff_t{-1});
    const auto& siblings = summary->parent()->children();
    const auto at = std::ranges::find_if(siblings, [&](const auto& child) { return child.get() == summary; });
    return std::pair(summary->bounds(), at - siblings.begin());
  };
  const auto before = place();
  dialog.close();
  EXPECT_EQ(place().second, -1);
  dialog.open();
  EXPECT_EQ(place(), before);
  EXPECT_EQ(FinishingSummary(dialog), "Printer Default\nOffset: Printer Default");
}

// Every entry of the panel holding something other than its default survives the session file
// and the panel's Sync (the saved-job name too: the job does not use its own name).
TEST_F(PaperOutputPanel, EveryKeyRoundTripsThroughTheSessionFileAndThePanel) {
  using platform::PlistDict;
  const std::pair<const char*, platform::PlistValue> entries[] = {
      {"com.korvo.print.JobLevelStock", PlistDict{{"Type", 1}, {"Color", 2}, {"Weight", 90}}},
      {kJobTypeKey, PlistDict{{"JobType", 3}, {"MediaType", 4}, {"UseJobName", false}, {"SavedJobName", "Report"},
                              {"SavedJobLocation", "file:///jobs/"}, {"SaveDisposition", 2}, {"PadEnable", true}}},
      {kPadLevelStockKey, PlistDict{{"Type", 1}, {"Weight", 120}, {"Punched", 1}}},
      {kFinishingOutputDestinationKey, 2}, {kFinishingOutputColorKey, 1}, {kBookletLayoutKey, false}, {kGutterKey, 30},
      {kCreepKey, 5}, {kFinishingDuplexKey, 3}, {kFinishingOptionsKey, 49}, {kFinishingOffsetKey, 4},
      {kFinishingOffsetEnableSubsetKey, 1}, {kFinishingOffsetPagesPerSubsetKey, 12}, {kFinishingSlipSheetKey, 0},
      {kFinishingFoldValueKey, 0}, {kFinishingZFoldValueKey, 39}, {kFinishingHolePunchValueKey, 33},
      {kFinishingHolePunchOptionsKey, 4}, {kFinishingStaple1ValueKey, 0}, {kFinishingStaple2ValueKey, 11},
      {kFinishingStapleCenterValueKey, 0}, {kFinishingBindValueKey, 0}, {kFinishingCustomKey, "Glue %@ %d 100%"},
      {kFinishingCoilPunchValueKey, 257}, {kFinishingSquareFoldValueKey, 63}, {kFinishingTrimLengthValueKey, 130},
      {kNoOfPadsKey, 7}, {kPagesPerPadsKey, 25}, {kPadBackCoverKey, "Chipboard"}};
  for (const auto& [key, value] : entries) Set(key, value);
  const std::string file = dir.file("session.plist");
  ASSERT_TRUE(session.save(file));
  auto loaded = platform::PrintSession::load(file);
  ASSERT_TRUE(loaded) << loaded.error();
  platform::PrintSession again = loaded.take();
  {
    PluginDialog dialog(again);
    ASSERT_EQ(dialog.sync(false), platform::noErr);
  }
  const platform::Ticket& after = *again.ticket(platform::kPDE_PMPrintSettingsRef);
  for (const auto& [key, value] : entries) {
    ASSERT_NE(after.get(key), nullptr) << key;
    EXPECT_EQ(*after.get(key), value) << key;
  }
  EXPECT_EQ(after.getBoolean(kPMCopyCollateKey), false);  // pads print uncollated
}

TEST_F(PaperOutputPanel, AbsentKeysTakeTheirDefaults) {
  Set(kPMJobNameKey, "Minutes");
  PluginDialog dialog(session);
  const PaperOutputContext& panel = dialog.panel();
  // The printer description's default duplex choice (long edge) when the platform says nothing.
  EXPECT_EQ(panel.duplex, 2);
  const platform::PlistDict expected{{"MediaType", kPrinterDefault}, {"JobType", 1}, {"UseJobName", true},
                                     {"SavedJobName", "Minutes"}, {"SavedJobLocation", "file:///job-repository/"}};
  EXPECT_EQ(panel.jobType, expected);
  ASSERT_EQ(dialog.sync(false), platform::noErr);
  EXPECT_EQ(settings().getInteger(kFinishingOutputDestinationKey), 19);
  EXPECT_EQ(settings().getInteger(kFinishingSquareFoldValueKey), -1);
  EXPECT_EQ(settings().getInteger(kFinishingTrimLengthValueKey), -1);
  EXPECT_EQ(settings().getInteger(kFinishingOptionsKey), 0);  // printer default: the printer decides
  EXPECT_FALSE(settings().contains(kNoOfPadsKey));
  EXPECT_EQ(settings().ppdDict()["Duplex"], platform::PlistValue("DuplexNoTumble"));
}

TEST_F(PaperOutputPanel, ThePrinterDefaultDestinationRemovesTheKey) {
  Set(kFinishingOutputDestinationKey, 2);
  PluginDialog dialog(session);
  ASSERT_EQ(dialog.choose("OutputDestination", "Printer Default"), platform::noErr);
  dialog.sync(false);
  EXPECT_FALSE(settings().contains(kFinishingOutputDestinationKey));
  ASSERT_EQ(dialog.choose("OutputDestination", "Stacker"), platform::noErr);
  dialog.sync(false);
  EXPECT_EQ(settings().getInteger(kFinishingOutputDestinationKey), 4);
  EXPECT_EQ(settings().ppdDict()["OutputBin"], platform::PlistValue("Stacker"));
}

TEST_F(PaperOutputPanel, TrimLengthIsKeptInWholeMillimetresAndTheUnitStaysWithThePanel) {
  PluginDialog dialog(session);
  FinishingState& f = dialog.panel().finishing;
  f.trimOn = true;
  f.trimLength = 5.2;  // inches
  f.trimUnit = kTrimUnitInches;
  dialog.sync(false);
  EXPECT_EQ(settings().getInteger(kFinishingTrimLengthValueKey), 132);  // 132.08 mm
  dialog.sync(true);
  EXPECT_EQ(f.trimUnit, kTrimUnitInches);
  EXPECT_DOUBLE_EQ(f.trimLength, 5.2);
  Set(kFinishingTrimLengthValueKey, 120);  // changed behind the panel's back: millimetres again
  dialog.sync(true);
  EXPECT_EQ(f.trimUnit, kTrimUnitMillimetres);
  EXPECT_DOUBLE_EQ(f.trimLength, 120);
}

// A stock size set elsewhere is left alone while booklet is off; the size a booklet forced goes
// when the booklet does, and so does the flag.
TEST_F(PaperOutputPanel, ABookletSizeGoesWhenTheBookletDoesAndNoOtherSize) {
  for (const bool forced : {false, true}) {
    Set("com.korvo.print.JobLevelStock", platform::PlistDict{{"Type", 1}, {"Size", 5}});
    if (forced) Set(kBookletForceNewSizeKey, true);
    PluginDialog dialog(session);
    SCOPED_TRACE(forced);
    if (forced) {
      EXPECT_EQ(dialog.panel().booklet.newSize, 5);
    }
    dialog.sync(false);
    EXPECT_EQ(platform::PlistDictFind(*settings().getDictionary("com.korvo.print.JobLevelStock"), "Size") != nullptr,
              !forced);
    EXPECT_EQ(settings().getBoolean(kBookletForceNewSizeKey), forced ? std::optional(false) : std::nullopt);
  }
}

// Any special page turns pads off and takes them out of the menu; an empty list is no page.
TEST_F(PaperOutputPanel, AnySpecialPageListTurnsPadsOff) {
  const std::pair<const char*, platform::PlistValue> pages[] = {
      {"com.korvo.print.SpecialPages.InsertList", platform::PlistArray{platform::PlistDict{{"Pages", "2"}}}},
      {"com.korvo.print.SpecialPages.BackCover", platform::PlistDict{{"Print", 1}}}};
  for (const auto& [key, value] : pages) {
    SCOPED_TRACE(key);
    platform::PrintSession s = korvo_test::SessionOn(korvo_test::FinishersPPDPath());
    platform::Ticket& t = *s.ticket(platform::kPDE_PMPrintSettingsRef);
    t.set(kJobTypeKey, platform::PlistDict{{"JobType", 1}, {"PadEnable", true}}, "K");
    t.set("com.korvo.print.SpecialPages.ExceptionList", platform::PlistArray{}, "K");  // first, but empty
    t.set(key, value, "K");
    PluginDialog dialog(s);
    EXPECT_TRUE(dialog.panel().specialPagesExist);
    EXPECT_FALSE(dialog.panel().pads.on);
    EXPECT_FALSE(Item(dialog.named("Finishing"), "Pads...").enabled);
  }
}

}  // namespace

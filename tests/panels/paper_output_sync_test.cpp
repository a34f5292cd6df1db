// The panel's Sync both ways: every entry it owns survives a round trip through the session file
// and the panel, absent entries take their defaults, and the faults of older versions stay mended.
#include <gtest/gtest.h>

#include "panels/paper_output/paper_output_keys.h"
#include "panels/paper_output_test_support.h"

namespace {

namespace keys = paper_output_keys;
using korvo_test::PluginDialog;

class PaperOutputSync : public ::testing::Test {
 protected:
  korvo_test::ScopedXdgHome home;
  korvo_test::TempDir dir;
  platform::PrintSession session = korvo_test::SessionOn(korvo_test::FinishersPPDPath());
  platform::Ticket& settings() { return *session.ticket(platform::kPDE_PMPrintSettingsRef); }
  void Set(const char* key, platform::PlistValue value) { settings().set(key, std::move(value), "com.korvo.print"); }
};

// A ticket in which every entry of the panel holds something other than its default.
void FillEveryKey(platform::Ticket& t) {
  auto set = [&](const char* key, platform::PlistValue v) { t.set(key, std::move(v), "com.korvo.print"); };
  set("com.korvo.print.JobLevelStock", platform::PlistDict{{"Type", 1}, {"Color", 2}, {"Weight", 90}});
  set(keys::kOutputDestination, 2);
  set(keys::kOutputColor, 1);
  set(keys::kJobType, platform::PlistDict{{"JobType", 3}, {"MediaType", 4}, {"UseJobName", false},
                                          {"SavedJobName", "Report"}, {"SavedJobLocation", "file:///jobs/"},
                                          {"SaveDisposition", 2}, {"PadEnable", true}});
  set(keys::kBookletLayout, false);
  set(keys::kGutter, 30);
  set(keys::kCreep, 5);
  set(keys::kFinishingDuplex, 3);
  set(keys::kFinishingOptions, 49);
  set(keys::kOffset, 4);
  set(keys::kOffsetEnableSubset, 1);
  set(keys::kOffsetPagesPerSubset, 12);
  set(keys::kSlipSheet, 0);
  set(keys::kFoldValue, 0);
  set(keys::kZFoldValue, 39);
  set(keys::kHolePunchValue, 33);
  set(keys::kHolePunchOptions, 4);
  set(keys::kStaple1Value, 0);
  set(keys::kStaple2Value, 11);
  set(keys::kStapleCenterValue, 0);
  set(keys::kBindValue, 0);
  set(keys::kCustom, "Glue %@ %d 100%");
  set(keys::kCoilPunchValue, 257);
  set(keys::kSquareFoldValue, 63);
  set(keys::kTrimLengthValue, 130);
  set(keys::kPadLevelStock, platform::PlistDict{{"Type", 1}, {"Weight", 120}, {"Punched", 1}});
  set(keys::kNoOfPads, 7);
  set(keys::kPagesPerPads, 25);
  set(keys::kPadBackCover, "Chipboard");
}

TEST_F(PaperOutputSync, EveryKeyRoundTripsThroughTheSessionFileAndThePanel) {
  FillEveryKey(settings());
  const std::string file = dir.file("session.plist");
  ASSERT_TRUE(session.save(file));
  auto loaded = platform::PrintSession::load(file);
  ASSERT_TRUE(loaded) << loaded.error();
  platform::PrintSession again = loaded.take();
  const platform::Ticket before = *again.ticket(platform::kPDE_PMPrintSettingsRef);
  {
    PluginDialog dialog(again);
    ASSERT_EQ(dialog.sync(false), platform::noErr);
  }
  const platform::Ticket& after = *again.ticket(platform::kPDE_PMPrintSettingsRef);
  for (const auto& [key, item] : before.items()) {
    const platform::PlistValue* written = after.get(key);
    ASSERT_NE(written, nullptr) << key;
    if (key == keys::kJobType) {
      // The saved-job name stays because the job does not use its own name.
      EXPECT_EQ(*written->asDictionary(), *item.value.asDictionary());
      continue;
    }
    EXPECT_EQ(*written, item.value) << key;
  }
  EXPECT_EQ(after.getBoolean(keys::kPMCopyCollate), false);  // pads print uncollated
}

TEST_F(PaperOutputSync, AbsentKeysTakeTheirDefaults) {
  Set(keys::kPMJobName, "Minutes");
  PluginDialog dialog(session);
  const PaperOutputContext& panel = dialog.panel();
  EXPECT_EQ(panel.outputDestination, 19);
  EXPECT_EQ(panel.outputColor, 2);
  EXPECT_EQ(panel.finishing.code, 0);
  EXPECT_EQ(panel.finishing.offset, 1);
  EXPECT_EQ(panel.booklet.gutter, 24);
  EXPECT_FALSE(panel.finishing.squareFoldOn);
  EXPECT_EQ(panel.finishing.squareFoldValue, 64);
  // The printer description's default duplex choice (long edge) when the platform says nothing.
  EXPECT_EQ(panel.duplex, 2);
  const platform::PlistDict expected{{"MediaType", kPrinterDefault}, {"JobType", 1}, {"UseJobName", true},
                                     {"SavedJobName", "Minutes"}, {"SavedJobLocation", "file:///job-repository/"}};
  EXPECT_EQ(panel.jobType, expected);
  ASSERT_EQ(dialog.sync(false), platform::noErr);
  EXPECT_EQ(settings().getInteger(keys::kOutputDestination), 19);
  EXPECT_EQ(settings().getInteger(keys::kSquareFoldValue), -1);
  EXPECT_EQ(settings().getInteger(keys::kTrimLengthValue), -1);
  EXPECT_FALSE(settings().contains(keys::kFinishingOptions));  // the printer decides
  EXPECT_FALSE(settings().contains(keys::kNoOfPads));
  EXPECT_EQ(settings().ppdDict()["Duplex"], platform::PlistValue("DuplexNoTumble"));
}

TEST_F(PaperOutputSync, ThePrinterDefaultDestinationRemovesTheKey) {
  Set(keys::kOutputDestination, 2);
  PluginDialog dialog(session);
  ASSERT_EQ(dialog.choose("OutputDestination", "Printer Default"), platform::noErr);
  dialog.sync(false);
  EXPECT_FALSE(settings().contains(keys::kOutputDestination));
  ASSERT_EQ(dialog.choose("OutputDestination", "Stacker"), platform::noErr);
  dialog.sync(false);
  EXPECT_EQ(settings().getInteger(keys::kOutputDestination), 4);
  EXPECT_EQ(settings().ppdDict()["OutputBin"], platform::PlistValue("Stacker"));
}

TEST_F(PaperOutputSync, TheCoilSideIsReadBack) {
  Set(keys::kCoilPunchValue, 255);
  PluginDialog dialog(session);
  EXPECT_EQ(dialog.panel().finishing.coil, 255);
}

TEST_F(PaperOutputSync, TrimLengthIsKeptInWholeMillimetresAndTheUnitStaysWithThePanel) {
  PluginDialog dialog(session);
  FinishingState& f = dialog.panel().finishing;
  f.trimOn = true;
  f.trimLength = 5.2;  // inches
  f.trimUnit = kTrimUnitInches;
  dialog.sync(false);
  EXPECT_EQ(settings().getInteger(keys::kTrimLengthValue), 132);  // 132.08 mm
  dialog.sync(true);
  EXPECT_EQ(f.trimUnit, kTrimUnitInches);
  EXPECT_DOUBLE_EQ(f.trimLength, 5.2);
  Set(keys::kTrimLengthValue, 120);  // changed behind the panel's back: millimetres again
  dialog.sync(true);
  EXPECT_EQ(f.trimUnit, kTrimUnitMillimetres);
  EXPECT_DOUBLE_EQ(f.trimLength, 120);
}

TEST_F(PaperOutputSync, AStockSizeSetElsewhereIsLeftAloneWhileBookletIsOff) {
  Set("com.korvo.print.JobLevelStock", platform::PlistDict{{"Type", 1}, {"Size", 4}});
  PluginDialog dialog(session);
  dialog.sync(false);
  EXPECT_EQ(*platform::PlistDictFind(*settings().getDictionary("com.korvo.print.JobLevelStock"), "Size"),
            platform::PlistValue(4));
  EXPECT_FALSE(settings().contains(keys::kBookletForceNewSize));
}

TEST_F(PaperOutputSync, ABookletSizeGoesWhenTheBookletDoes) {
  Set("com.korvo.print.JobLevelStock", platform::PlistDict{{"Type", 1}, {"Size", 5}});
  Set(keys::kBookletForceNewSize, true);
  PluginDialog dialog(session);
  EXPECT_EQ(dialog.panel().booklet.newSize, 5);
  dialog.sync(false);  // booklet is off: the size it forced goes, and so does the flag
  const platform::PlistDict& stock = *settings().getDictionary("com.korvo.print.JobLevelStock");
  EXPECT_EQ(platform::PlistDictFind(stock, "Size"), nullptr);
  EXPECT_EQ(settings().getBoolean(keys::kBookletForceNewSize), false);
}

TEST_F(PaperOutputSync, AnySpecialPageListTurnsPadsOff) {
  for (const char* key : {"com.korvo.print.SpecialPages.InsertList", "com.korvo.print.SpecialPages.BackCover"}) {
    platform::PrintSession s = korvo_test::SessionOn(korvo_test::FinishersPPDPath());
    platform::Ticket& t = *s.ticket(platform::kPDE_PMPrintSettingsRef);
    t.set(keys::kJobType, platform::PlistDict{{"JobType", 1}, {"PadEnable", true}}, "K");
    t.set("com.korvo.print.SpecialPages.ExceptionList", platform::PlistArray{}, "K");  // first, but empty
    if (std::string(key).ends_with("List")) {
      t.set(key, platform::PlistArray{platform::PlistDict{{"Pages", "2"}}}, "K");
    } else {
      t.set(key, platform::PlistDict{{"Print", 1}}, "K");
    }
    PluginDialog dialog(s);
    EXPECT_TRUE(dialog.panel().specialPagesExist) << key;
    EXPECT_FALSE(dialog.panel().pads.on) << key;
  }
}

}  // namespace

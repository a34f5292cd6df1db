// The panel's Sync both ways: every entry it owns survives a round trip through the session file
// and the panel, absent entries take their defaults, and the faults of older versions stay mended.
#include <gtest/gtest.h>

#include "model/paper_output_keys.h"
#include "model/platform_keys.h"
#include "panels/paper_output/paper_output_test_support.h"

namespace {

using korvo_test::PluginDialog;

class PaperOutputSync : public korvo_test::DialogTest {
 protected:
  korvo_test::TempDir dir;
};

// A ticket in which every entry of the panel holds something other than its default.
void FillEveryKey(platform::Ticket& t) {
  auto set = [&](const char* key, platform::PlistValue v) { t.set(key, std::move(v), "com.korvo.print"); };
  set("com.korvo.print.JobLevelStock", platform::PlistDict{{"Type", 1}, {"Color", 2}, {"Weight", 90}});
  set(kFinishingOutputDestinationKey, 2);
  set(kFinishingOutputColorKey, 1);
  set(kJobTypeKey, platform::PlistDict{{"JobType", 3}, {"MediaType", 4}, {"UseJobName", false},
                                          {"SavedJobName", "Report"}, {"SavedJobLocation", "file:///jobs/"},
                                          {"SaveDisposition", 2}, {"PadEnable", true}});
  set(kBookletLayoutKey, false);
  set(kGutterKey, 30);
  set(kCreepKey, 5);
  set(kFinishingDuplexKey, 3);
  set(kFinishingOptionsKey, 49);
  set(kFinishingOffsetKey, 4);
  set(kFinishingOffsetEnableSubsetKey, 1);
  set(kFinishingOffsetPagesPerSubsetKey, 12);
  set(kFinishingSlipSheetKey, 0);
  set(kFinishingFoldValueKey, 0);
  set(kFinishingZFoldValueKey, 39);
  set(kFinishingHolePunchValueKey, 33);
  set(kFinishingHolePunchOptionsKey, 4);
  set(kFinishingStaple1ValueKey, 0);
  set(kFinishingStaple2ValueKey, 11);
  set(kFinishingStapleCenterValueKey, 0);
  set(kFinishingBindValueKey, 0);
  set(kFinishingCustomKey, "Glue %@ %d 100%");
  set(kFinishingCoilPunchValueKey, 257);
  set(kFinishingSquareFoldValueKey, 63);
  set(kFinishingTrimLengthValueKey, 130);
  set(kPadLevelStockKey, platform::PlistDict{{"Type", 1}, {"Weight", 120}, {"Punched", 1}});
  set(kNoOfPadsKey, 7);
  set(kPagesPerPadsKey, 25);
  set(kPadBackCoverKey, "Chipboard");
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
    if (key == kJobTypeKey) {
      // The saved-job name stays because the job does not use its own name.
      EXPECT_EQ(*written->asDictionary(), *item.value.asDictionary());
      continue;
    }
    EXPECT_EQ(*written, item.value) << key;
  }
  EXPECT_EQ(after.getBoolean(kPMCopyCollateKey), false);  // pads print uncollated
}

TEST_F(PaperOutputSync, AbsentKeysTakeTheirDefaults) {
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
  EXPECT_FALSE(settings().contains(kFinishingOptionsKey));  // the printer decides
  EXPECT_FALSE(settings().contains(kNoOfPadsKey));
  EXPECT_EQ(settings().ppdDict()["Duplex"], platform::PlistValue("DuplexNoTumble"));
}

TEST_F(PaperOutputSync, ThePrinterDefaultDestinationRemovesTheKey) {
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

TEST_F(PaperOutputSync, TrimLengthIsKeptInWholeMillimetresAndTheUnitStaysWithThePanel) {
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

TEST_F(PaperOutputSync, AStockSizeSetElsewhereIsLeftAloneWhileBookletIsOff) {
  Set("com.korvo.print.JobLevelStock", platform::PlistDict{{"Type", 1}, {"Size", 4}});
  PluginDialog dialog(session);
  dialog.sync(false);
  EXPECT_EQ(*platform::PlistDictFind(*settings().getDictionary("com.korvo.print.JobLevelStock"), "Size"),
            platform::PlistValue(4));
  EXPECT_FALSE(settings().contains(kBookletForceNewSizeKey));
}

TEST_F(PaperOutputSync, ABookletSizeGoesWhenTheBookletDoes) {
  Set("com.korvo.print.JobLevelStock", platform::PlistDict{{"Type", 1}, {"Size", 5}});
  Set(kBookletForceNewSizeKey, true);
  PluginDialog dialog(session);
  EXPECT_EQ(dialog.panel().booklet.newSize, 5);
  dialog.sync(false);  // booklet is off: the size it forced goes, and so does the flag
  const platform::PlistDict& stock = *settings().getDictionary("com.korvo.print.JobLevelStock");
  EXPECT_EQ(platform::PlistDictFind(stock, "Size"), nullptr);
  EXPECT_EQ(settings().getBoolean(kBookletForceNewSizeKey), false);
}

TEST_F(PaperOutputSync, AnySpecialPageListTurnsPadsOff) {
  for (const char* key : {"com.korvo.print.SpecialPages.InsertList", "com.korvo.print.SpecialPages.BackCover"}) {
    platform::PrintSession s = korvo_test::SessionOn(korvo_test::FinishersPPDPath());
    platform::Ticket& t = *s.ticket(platform::kPDE_PMPrintSettingsRef);
    t.set(kJobTypeKey, platform::PlistDict{{"JobType", 1}, {"PadEnable", true}}, "K");
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

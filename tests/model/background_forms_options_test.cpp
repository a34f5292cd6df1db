#include <gtest/gtest.h>

#include <filesystem>

#include "kit/preference_locations.h"
#include "model/background_forms_options.h"
#include "support/test_support.h"

namespace {

using platform::PlistDict;
using platform::PlistValue;
using Names = BackgroundFormsOptions::Names;

class BackgroundForms : public ::testing::Test {
 protected:
  std::string HistoryFile() { return *UserPreferenceFilePath(kBackgroundFormsPreferencesFileName); }
  Names NewForms(const BackgroundFormsOptions& o) {
    Names names;
    o.newFormsArray(&names);
    return names;
  }
  korvo_test::ScopedXdgHome home;
};

TEST_F(BackgroundForms, DefaultDictionaryAndTheMergeNameRule) {
  BackgroundFormsOptions o;
  EXPECT_EQ(o.asTicket(), (PlistDict{{"UseExistingForm", 1}, {"CyclePages", 2}, {"Inches", 1}, {"X1", 0},
                                     {"Y1", 0}, {"UseDocumentName", 1}, {"ApplyPagesFrom", 1}}));
  o.setMergeWithString("Letterhead");
  EXPECT_FALSE(o.asTicket().contains("MergeWithString"));
  o.setUseExistingForm(2);
  EXPECT_EQ(o.asTicket().at("MergeWithString"), PlistValue("Letterhead"));
  Names none;
  o.existingFormsArray(&none);
  EXPECT_TRUE(none.empty());  // no history file: empty, never absent
}

// A field written but not read (or read under another key) fails here.
TEST_F(BackgroundForms, EveryFieldSetComesBackWhole) {
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

TEST_F(BackgroundForms, ReadingReplacesTheWholeStateAndRefusesImpossibleValues) {
  BackgroundFormsOptions o;
  o.setNewFormString("Old");
  o.setXOffset(40);
  o.fromTicket(PlistDict{{"CyclePages", 7}});
  EXPECT_EQ(o, BackgroundFormsOptions(PlistDict{{"CyclePages", 7}}));  // the name and offset are gone

  BackgroundFormsOptions odd(PlistDict{{"UseExistingForm", 5}, {"ApplyPagesFrom", 9}, {"Inches", "yes"},
                                       {"CyclePages", -3}, {"NewFormString", 12}});
  EXPECT_EQ(odd.asTicket(), BackgroundFormsOptions().asTicket());

  // Setting the cycle checks its limits unless any value is allowed.
  EXPECT_EQ(o.setCyclePages(1, false), platform::paramErr);
  EXPECT_EQ(o.setCyclePages(1000000, false), platform::paramErr);
  EXPECT_EQ(o.setCyclePages(999999, false), platform::noErr);
  EXPECT_EQ(o.setCyclePages(0, true), platform::noErr);
  std::int32_t pages = -1;
  o.cyclePages(&pages);
  EXPECT_EQ(pages, 0);
  EXPECT_EQ(o.cyclePages(nullptr), platform::paramErr);
}

TEST_F(BackgroundForms, HistoriesAreSavedOnlyWhenAskedAndMergedWithTheFile) {
  {
    BackgroundFormsOptions o;
    o.setNewFormsArray({"Invoice"});
  }  // destroyed without saving: nothing written
  EXPECT_FALSE(std::filesystem::exists(HistoryFile()));

  BackgroundFormsOptions first;
  first.setNewFormsArray({"Invoice", "Memo"});
  ASSERT_EQ(first.saveHistory(), platform::noErr);
  BackgroundFormsOptions second;  // another dialog that loaded before the first saved
  second.setNewFormsArray({"Statement", "Memo"});
  ASSERT_EQ(second.saveHistory(), platform::noErr);
  EXPECT_EQ(NewForms(BackgroundFormsOptions()), (Names{"Statement", "Memo", "Invoice"}));

  Names many;
  for (int i = 0; i < 30; ++i) many.push_back("Form " + std::to_string(i));
  second.setNewFormsArray(many);
  second.saveHistory();
  EXPECT_EQ(NewForms(BackgroundFormsOptions()).size(), kMaxFormNameHistory);

  std::string out;
  ASSERT_EQ(korvo_test::RunCommand("python3 -c 'import plistlib,sys; print(plistlib.load(open(sys.argv[1],\"rb\"))"
                                   "[\"NewFormsArray\"][0])' " + HistoryFile(),
                                   &out, true),
            0);
  EXPECT_EQ(out, "Form 0\n");
}

// The site's defaults serve only preferences that cannot be opened at all, not a damaged file.
TEST_F(BackgroundForms, ADamagedHistoryFileIsKeptAsideAndTheSiteDefaultsServeOnlyAnUnusableFolder) {
  std::filesystem::create_directories(std::filesystem::path(HistoryFile()).parent_path());
  korvo_test::WriteFile(HistoryFile(), "<plist><dict><key>NewFormsArray</key><array><string>Lost");
  std::string siteFolder = home.dir().file("data") + "/Korvo";
  std::filesystem::create_directories(siteFolder);
  korvo_test::RunCommand("python3 -c 'import plistlib,sys; plistlib.dump({\"NewFormsArray\": [\"Site form\"]}, "
                         "open(sys.argv[1],\"wb\"))' " + siteFolder + "/KorvoFeatures.plist",
                         nullptr);
  testing::internal::CaptureStderr();
  BackgroundFormsOptions o;
  EXPECT_EQ(NewForms(o), Names{});  // the histories are read when first asked for
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("ERROR: " + HistoryFile()), std::string::npos) << log;  // kept aside as PreferenceFile keeps any

  const std::string notAFolder = home.dir().file("not a folder");
  korvo_test::WriteFile(notAFolder, "");
  korvo_test::ScopedEnv config("XDG_CONFIG_HOME", notAFolder.c_str());
  testing::internal::CaptureStderr();
  EXPECT_EQ(NewForms(BackgroundFormsOptions()), (Names{"Site form"}));
  testing::internal::GetCapturedStderr();
}

}  // namespace

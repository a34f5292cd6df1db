// The choices a printer description offers, as its constraints and installed options leave them,
// and the installable options themselves: what the finisher installs and the labels they show.
#include <optional>
#include <string>
#include <vector>

#include "ppd_test_support.h"
#include "support/string_bundle.h"
#include "vocabulary/keyword_maps.h"

namespace {

std::vector<std::string> Keywords(const std::vector<PPDOfferedChoice>& choices) {
  std::vector<std::string> keywords;
  for (const PPDOfferedChoice& choice : choices) keywords.push_back(choice.keyword);
  return keywords;
}

using Strings = std::vector<std::string>;

}  // namespace

using OfferedChoices = CurrentPPDTest;

TEST_F(OfferedChoices, ConstraintsAgainstMarkedChoicesRuleChoicesOut) {
  PPDFile* ppd = UseTestPPD("constraints.ppd");
  ASSERT_NE(ppd, nullptr);
  // Duplex (no choice) against MediaType Transparency, the marked default: only "None" stays.
  EXPECT_EQ(Keywords(PPDCopyOfferedChoices(ppd, "Duplex", true)), Strings{"None"});
  EXPECT_EQ(Keywords(PPDCopyOfferedChoices(ppd, "Duplex", false)),
            (Strings{"None", "DuplexNoTumble", "DuplexTumble"}));
  // Choices compared ignoring case on both sides.
  EXPECT_EQ(Keywords(PPDCopyOfferedChoices(ppd, "InputSlot", true)), (Strings{"Auto", "Tray1"}));
  // A second option named without a choice applies whenever it is on.
  EXPECT_EQ(Keywords(PPDCopyOfferedChoices(ppd, "StapleLocation", true)), Strings{"None"});
  // "Z" is constrained only against Labels, "C" only against a stapler that is off.
  EXPECT_EQ(Keywords(PPDCopyOfferedChoices(ppd, "KVFold", true)), (Strings{"None", "C", "Z"}));
  EXPECT_TRUE(PPDCopyOfferedChoices(ppd, "NoSuchOption", true).empty());
}

TEST_F(OfferedChoices, UnrecognizedChoicesAreSkippedAndNamed) {
  PPDFile* ppd = UseTestPPD("unrecognized_choices.ppd");
  ASSERT_NE(ppd, nullptr);
  testing::internal::CaptureStderr();
  const auto media = PPDCopyOfferedChoices(ppd, "MediaType", true);
  const auto lightness = PPDCopyOfferedChoices(ppd, "KVImageQuality", true);
  const auto mystery = PPDCopyOfferedChoices(ppd, "KVMystery", true);
  const std::string messages = testing::internal::GetCapturedStderr();
  EXPECT_EQ(Keywords(media), (Strings{"Standard", "Transparency"}));
  EXPECT_TRUE(mystery.empty());
  EXPECT_EQ(messages,
            "Skipped unrecognized choice in PPD: Plastic\n"
            "Skipped unrecognized choice in PPD: A\n");
  // "Lighten1" is listed with its text and the value -1, which is a value like any other.
  ASSERT_EQ(lightness.size(), 2u);
  EXPECT_EQ(lightness[0], (PPDOfferedChoice{"Lighten1", "Lighter", -1}));
  EXPECT_EQ(lightness[1].keyword, "Normal");
}

// Every option of the sample printer that the keyword maps cover offers every one of its
// choices, and each choice's ticket value leads back to a keyword of the same value.
TEST_F(OfferedChoices, SamplePrinterChoicesRoundTrip) {
  PPDFile* ppd = UsePPD(korvo_test::SamplePPDPath());
  ASSERT_NE(ppd, nullptr);
  std::size_t optionsSeen = 0;
  for (const MainKeywordMapRow* row = MainKeywordMap; row->mainKeyword != nullptr; ++row) {
    testing::internal::CaptureStderr();
    const std::vector<PPDOfferedChoice> choices = PPDCopyOfferedChoices(ppd, row->mainKeyword, false);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << row->mainKeyword;
    ASSERT_FALSE(choices.empty()) << row->mainKeyword;
    ++optionsSeen;
    for (const PPDOfferedChoice& choice : choices) {
      const std::optional<std::int32_t> value = PPDTicketValueForChoice(row->mainKeyword, choice.keyword);
      ASSERT_TRUE(value.has_value()) << row->mainKeyword << " " << choice.keyword;
      EXPECT_EQ(*value, choice.ticketValue);
      const char* back = PPDChoiceForTicketValue(row->mainKeyword, *value);
      ASSERT_NE(back, nullptr) << row->mainKeyword << " " << choice.keyword;
      EXPECT_EQ(PPDTicketValueForChoice(row->mainKeyword, back), value) << row->mainKeyword << " " << choice.keyword;
    }
  }
  EXPECT_EQ(optionsSeen, 29u);
  EXPECT_EQ(Keywords(PPDCopyOfferedChoices(ppd, "PageSize", false)).back(), "Custom");
}

using InstallableOptionsTest = Option1Test;

TEST_F(InstallableOptionsTest, LoadsTheMarkedChoiceOfEveryOptionOnce) {
  ASSERT_TRUE(LoadWithOption1("HCSHCS"));
  EXPECT_FALSE(LoadWithOption1("CSS"));  // a second load changes nothing
  std::string choice;
  EXPECT_TRUE(getInstallableOptionValue("Option1", choice));
  EXPECT_EQ(choice, "HCSHCS");
  EXPECT_TRUE(getInstallableOptionValue("Option2", choice));
  EXPECT_EQ(choice, "False");
  EXPECT_FALSE(getInstallableOptionValue("Duplex", choice));  // not in the group
  EXPECT_FALSE(getInstalledFeature("1StapleTL"));
  EXPECT_FALSE(getInstalledFeature("NoSuchFeature"));
}

TEST_F(InstallableOptionsTest, NothingIsInstalledWithoutTheGroup) {
  EXPECT_FALSE(LoadInstallableOptions(UseTestPPD("constraints.ppd"), InstalledFeatures));
  EXPECT_FALSE(getInstalledFeature("SlipSheets"));
  // The empty set stays loaded until unloaded.
  EXPECT_FALSE(LoadInstallableOptions(UseTestPPD("installable_options.ppd"), InstalledFeatures));
  EXPECT_FALSE(LoadInstallableOptions(nullptr, InstalledFeatures));
  std::string choice;
  EXPECT_FALSE(getInstallableOptionValue("Option1", choice));
}

TEST_F(InstallableOptionsTest, FeaturesWithoutAnOptionAreAlwaysInstalled) {
  const _InstalledFeatureMap table[] = {{"Booklet", nullptr, nullptr, "Booklet Maker", 7},
                                        {nullptr, nullptr, nullptr, nullptr, 0}};
  EXPECT_FALSE(LoadInstallableOptions(UseTestPPD("no_encoding.ppd"), table));
  EXPECT_TRUE(getInstalledFeature("Booklet"));
}

TEST_F(InstallableOptionsTest, LabelsComeFromTheBundleStringTable) {
  korvo_test::TempDir bundleDir;
  const platform::Bundle* bundle =
      korvo_test::BundleWithStrings(bundleDir, "msgid \"Top Tray\"\nmsgstr \"Upper Output Tray\"\n");
  ASSERT_NE(bundle, nullptr);

  ASSERT_TRUE(LoadWithOption1("HCS"));
  EXPECT_EQ(CopyLocalizedStringForInstalledFeatureFromPlugin("SimpleCatchTrayKey", bundle), "Upper Output Tray");
  EXPECT_EQ(CopyLocalizedStringForInstalledFeatureFromPlugin("StackerTray1Key", bundle), "STRING NOT FOUND");
  EXPECT_EQ(CopyLocalizedStringForInstalledFeatureFromPlugin("Offset", bundle), std::nullopt);  // no label
  EXPECT_EQ(CopyLocalizedStringForInstalledFeatureFromPlugin("StackerTray2Key", bundle), std::nullopt);
  EXPECT_EQ(CopyLocalizedStringForInstalledFeatureFromPlugin("SimpleCatchTrayKey", nullptr), std::nullopt);
}

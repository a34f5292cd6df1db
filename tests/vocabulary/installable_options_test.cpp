#include <string>

#include "ppd_test_support.h"
#include "support/string_bundle.h"

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
}

TEST_F(InstallableOptionsTest, StaplingFollowsTheFinisher) {
  ASSERT_TRUE(LoadWithOption1("CSS"));
  EXPECT_TRUE(getInstalledFeature("1StapleBR"));
  EXPECT_FALSE(getInstalledFeature("SimpleCatchTray2Key"));
  EXPECT_FALSE(getInstalledFeature("NoSuchFeature"));
  UnloadInstallableOptions();
  ASSERT_TRUE(LoadWithOption1("HCSCSS"));
  EXPECT_FALSE(getInstalledFeature("1StapleBR"));
  EXPECT_TRUE(getInstalledFeature("1StapleBL"));
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

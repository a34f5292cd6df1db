#include <filesystem>
#include <fstream>
#include <string>

#include "ppd_test_support.h"

using InstallableOptionsTest = Option1Test;

TEST_F(InstallableOptionsTest, LoadsTheMarkedChoiceOfEveryOption) {
  ASSERT_TRUE(LoadWithOption1("HCSHCS"));
  std::string choice;
  EXPECT_TRUE(getInstallableOptionValue("Option1", choice));
  EXPECT_EQ(choice, "HCSHCS");
  EXPECT_TRUE(getInstallableOptionValue("Option2", choice));
  EXPECT_EQ(choice, "False");
  EXPECT_FALSE(getInstallableOptionValue("Duplex", choice));  // not in the group
}

TEST_F(InstallableOptionsTest, StaplingAndTrayValuesFollowTheFinisher) {
  std::int32_t value = 0;
  ASSERT_TRUE(LoadWithOption1("CSS"));
  EXPECT_TRUE(getInstalledFeature("1StapleBR"));
  EXPECT_FALSE(getInstalledFeature("SimpleCatchTray2Key"));
  EXPECT_FALSE(getInstalledFeature("NoSuchFeature"));
  UnloadInstallableOptions();
  ASSERT_TRUE(LoadWithOption1("HCSCSS"));
  EXPECT_FALSE(getInstalledFeature("1StapleBR"));
  EXPECT_TRUE(getInstalledFeature("1StapleBL"));
  UnloadInstallableOptions();
  ASSERT_TRUE(LoadWithOption1("HCSHCS"));
  EXPECT_TRUE(getInstallableOptionTicketValue("SimpleCatchTrayKey", value));
  EXPECT_EQ(value, 8);
  UnloadInstallableOptions();
  ASSERT_TRUE(LoadWithOption1("HCS"));
  EXPECT_TRUE(getInstallableOptionTicketValue("SimpleCatchTrayKey", value));
  EXPECT_EQ(value, 3);
  value = 77;
  EXPECT_FALSE(getInstallableOptionTicketValue("StackerTray2Key", value));
  EXPECT_EQ(value, 77);
}

TEST_F(InstallableOptionsTest, SecondLoadChangesNothing) {
  ASSERT_TRUE(LoadWithOption1("HCSHCS"));
  EXPECT_FALSE(LoadWithOption1("CSS"));
  std::string choice;
  EXPECT_TRUE(getInstallableOptionValue("Option1", choice));
  EXPECT_EQ(choice, "HCSHCS");
  EXPECT_FALSE(getInstalledFeature("1StapleTL"));
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
  std::int32_t value = 0;
  EXPECT_TRUE(getInstalledFeature("Booklet"));
  EXPECT_TRUE(getInstallableOptionTicketValue("Booklet", value));
  EXPECT_EQ(value, 7);
}

TEST_F(InstallableOptionsTest, LabelsComeFromTheBundleStringTable) {
  korvo_test::TempDir bundleDir;
  const std::filesystem::path contents = std::filesystem::path(bundleDir.path()) / "Labels.plugin/Contents";
  std::filesystem::create_directories(contents / "Resources/en.lproj");
  korvo_test::WriteFile((contents / "Info.plist").string(),
                        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                        "<key>CFBundleIdentifier</key><string>com.korvo.test.featurelabels</string>"
                        "</dict></plist>\n");
  korvo_test::WriteFile((contents / "Resources/en.lproj/Localizable.po").string(),
                        "msgid \"Top Tray\"\nmsgstr \"Upper Output Tray\"\n");
  auto bundle = platform::Bundle::open((std::filesystem::path(bundleDir.path()) / "Labels.plugin").string());
  ASSERT_TRUE(bundle) << bundle.error();

  ASSERT_TRUE(LoadWithOption1("HCS"));
  EXPECT_EQ(CopyLocalizedStringForInstalledFeatureFromPlugin("SimpleCatchTrayKey", *bundle), "Upper Output Tray");
  EXPECT_EQ(CopyLocalizedStringForInstalledFeatureFromPlugin("StackerTray1Key", *bundle), "STRING NOT FOUND");
  EXPECT_EQ(CopyLocalizedStringForInstalledFeatureFromPlugin("Offset", *bundle), std::nullopt);  // no label
  EXPECT_EQ(CopyLocalizedStringForInstalledFeatureFromPlugin("StackerTray2Key", *bundle), std::nullopt);
  EXPECT_EQ(CopyLocalizedStringForInstalledFeatureFromPlugin("SimpleCatchTrayKey", nullptr), std::nullopt);
}

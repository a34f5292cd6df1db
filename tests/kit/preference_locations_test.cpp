// Where the files live, and the user's and the site's preference files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>

#include "kit/preference_locations.h"
#include "kit/shared_preferences.h"
#include "kit/user_preferences.h"
#include "platform/plist/xml_plist.h"
#include "support/test_support.h"

namespace {

using platform::PlistDict;
using platform::PreferenceFileStatus;

TEST(PreferenceLocations, OnlyPlainFileNamesAreAcceptedAndTheSharedFolderIsMadeForThem) {
  korvo_test::ScopedXdgHome home;
  const std::string folder = home.dir().file("data/Korvo");
  for (const char* bad : {"", ".", "..", "../escape.plist", "sub/file.plist"}) {
    std::string error;
    EXPECT_FALSE(CopyPreferenceFileURL(bad, &error)) << bad;
    EXPECT_NE(error.find("not a plain file name"), std::string::npos) << error;
    EXPECT_FALSE(UserPreferenceFilePath(bad)) << bad;
  }
  EXPECT_FALSE(std::filesystem::exists(folder));  // nothing made for a bad name
  EXPECT_EQ(CopyPreferenceFileURL(kWatermarkFileName), folder + "/" + kWatermarkFileName);
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_EQ(SharedPreferenceFolder(), folder);
}

TEST(UserPreferences, MissingIsEmptyWritingMakesTheFolderAndUpdatesKeepTheRest) {
  korvo_test::ScopedXdgHome home;
  std::filesystem::remove(home.dir().file("config"));
  auto prefs = CopyUserPreferences(kJobNotesPreferencesFileName);
  ASSERT_TRUE(prefs);
  EXPECT_TRUE(prefs->empty());

  const PlistDict notes{{"Sender", "Ana"}, {"Copies", 2}};
  std::string error;
  ASSERT_TRUE(WriteUserPreferences(kJobNotesPreferencesFileName, notes, &error)) << error;
  const std::string path = home.dir().file("config/") + kJobNotesPreferencesFileName;
  EXPECT_EQ(korvo_test::ReadFile(path), *platform::WriteXMLPlist(notes));
  EXPECT_EQ(CopyUserPreferences(kJobNotesPreferencesFileName), notes);

  // An update changes one key under the lock.
  ASSERT_TRUE(WriteUserPreferences(kInputHistoryPreferencesFileName, PlistDict{{"Keep", 1}}));
  ASSERT_TRUE(UpdateUserPreferences(kInputHistoryPreferencesFileName, [](PlistDict& dict, PreferenceFileStatus status) {
    EXPECT_EQ(status, PreferenceFileStatus::kRead);
    dict["History"] = platform::PlistArray{"a", "b"};
    return platform::PreferenceChange::kWrite;
  }));
  EXPECT_EQ(CopyUserPreferences(kInputHistoryPreferencesFileName),
            (PlistDict{{"Keep", 1}, {"History", platform::PlistArray{"a", "b"}}}));
}

TEST(UserPreferences, ADamagedFileIsKeptAsideAndDefaultsFollow) {
  korvo_test::ScopedXdgHome home;
  const std::string path = home.dir().file("config/") + kBackgroundFormsPreferencesFileName;
  korvo_test::WriteFile(path, "<?xml version=\"1.0\"?>\n<plist version=\"1.0\">\n<array/>\n</plist>\n");
  testing::internal::CaptureStderr();
  platform::PreferenceFileContents contents = ReadUserPreferences(kBackgroundFormsPreferencesFileName);
  const std::string log = testing::internal::GetCapturedStderr();
  EXPECT_EQ(contents.status, PreferenceFileStatus::kKeptAside);
  EXPECT_EQ(log, "ERROR: " + path + ": the root is an array, not a dictionary; kept as " + contents.keptAs + "\n");
  EXPECT_EQ(korvo_test::ReadFile(contents.keptAs),
            "<?xml version=\"1.0\"?>\n<plist version=\"1.0\">\n<array/>\n</plist>\n");
  EXPECT_EQ(CopyUserPreferences(kBackgroundFormsPreferencesFileName), PlistDict{});
}

TEST(SiteDefaults, AreReadAndADamagedFileIsLeftWhereItIs) {
  korvo_test::ScopedXdgHome home;
  EXPECT_EQ(CopySiteDefaults().status, PreferenceFileStatus::kMissing);
  EXPECT_FALSE(std::filesystem::exists(home.dir().file("data/Korvo")));  // a read creates no folder
  const std::string path = home.dir().file("data/Korvo/") + kSiteDefaultsFileName;
  std::filesystem::create_directories(home.dir().file("data/Korvo"));
  ASSERT_TRUE(platform::WriteXMLPlistFile(path, PlistDict{{"Stock", "Plain"}}));
  platform::PreferenceFileContents site = CopySiteDefaults();
  EXPECT_EQ(site.status, PreferenceFileStatus::kRead);
  EXPECT_EQ(site.dictionary, (PlistDict{{"Stock", "Plain"}}));

  korvo_test::WriteFile(path, "<plist><dict>");
  testing::internal::CaptureStderr();
  site = CopySiteDefaults();
  const std::string log = testing::internal::GetCapturedStderr();
  EXPECT_EQ(site.status, PreferenceFileStatus::kDamaged);
  EXPECT_TRUE(site.dictionary.empty());
  EXPECT_EQ(log, "ERROR: " + site.error + "\n");
  EXPECT_EQ(korvo_test::ReadFile(path), "<plist><dict>");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.dir().file("data/Korvo")),
                          std::filesystem::directory_iterator()),
            1);
}

}  // namespace

// Where the files live, and the user's and the site's preference files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>

#include "kit/preference_locations.h"
#include "kit/shared_preferences.h"
#include "kit/user_preferences.h"
#include "support/test_support.h"

namespace {

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
  // The print path of other accounts reads the shared store.
  struct stat st {};
  ASSERT_EQ(::stat(folder.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0755U);
}

// (What a sound file gives, the stock library's and the forms histories' tests read.)
TEST(SiteDefaults, AMissingFileMakesNoFolderAndADamagedOneIsLeftWhereItIs) {
  korvo_test::ScopedXdgHome home;
  EXPECT_EQ(CopySiteDefaults().status, PreferenceFileStatus::kMissing);
  EXPECT_FALSE(std::filesystem::exists(home.dir().file("data/Korvo")));  // a read creates no folder
  const std::string path = home.dir().file("data/Korvo/") + kSiteDefaultsFileName;
  std::filesystem::create_directories(home.dir().file("data/Korvo"));
  korvo_test::WriteFile(path, "<plist><dict>");
  testing::internal::CaptureStderr();
  const platform::PreferenceFileContents site = CopySiteDefaults();
  const std::string log = testing::internal::GetCapturedStderr();
  EXPECT_EQ(site.status, PreferenceFileStatus::kDamaged);
  EXPECT_TRUE(site.dictionary.empty());
  EXPECT_EQ(log, "ERROR: " + site.error + "\n");
  EXPECT_EQ(korvo_test::ReadFile(path), "<plist><dict>");
  EXPECT_EQ(korvo_test::NamesIn(home.dir().file("data/Korvo")).size(), 1U);
}

}  // namespace

#include "platform/files/folders.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "support/test_support.h"

namespace {

using korvo_test::ScopedEnv;

using testing::HasSubstr;

TEST(Folders, FollowTheXdgVariables) {
  korvo_test::ScopedXdgHome xdg;
  EXPECT_EQ(platform::UserPreferencesFolder(), xdg.dir().file("config"));
  EXPECT_EQ(platform::LocalApplicationSupportFolder(), xdg.dir().file("data"));
}

TEST(Folders, FallBackUnderHomeWhenTheVariablesAreUnsetOrRelative) {
  korvo_test::TempDir home;
  ScopedEnv homeVar("HOME", home.path().c_str());
  {
    ScopedEnv config("XDG_CONFIG_HOME", nullptr), data("XDG_DATA_HOME", "");
    EXPECT_EQ(platform::UserPreferencesFolder(), home.path() + "/.config");
    EXPECT_EQ(platform::LocalApplicationSupportFolder(), home.path() + "/.local/share");
  }
  {
    ScopedEnv config("XDG_CONFIG_HOME", "relative/config"), data("XDG_DATA_HOME", "./data");
    EXPECT_EQ(platform::UserPreferencesFolder(), home.path() + "/.config");
    EXPECT_EQ(platform::LocalApplicationSupportFolder(), home.path() + "/.local/share");
  }
}

TEST(Folders, CreatesMissingParentsPrivately) {
  korvo_test::TempDir dir;
  std::string nested = dir.file("a/b/c");
  std::string error;
  ASSERT_TRUE(platform::CreateFolderWithParents(nested, &error)) << error;
  EXPECT_TRUE(std::filesystem::is_directory(nested));
  struct stat st {};
  ASSERT_EQ(::stat(dir.file("a").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777U, 0700U);
  EXPECT_TRUE(platform::CreateFolderWithParents(nested, &error)) << "an existing folder is fine";
}

TEST(Folders, ReportsWhatStandsInTheWay) {
  korvo_test::TempDir dir;
  korvo_test::WriteFile(dir.file("file"), "x");
  std::string error;
  EXPECT_FALSE(platform::CreateFolderWithParents(dir.file("file/sub"), &error));
  EXPECT_THAT(error, HasSubstr(dir.file("file/sub")));
  error.clear();
  EXPECT_FALSE(platform::CreateFolderWithParents(dir.file("file"), &error));
  EXPECT_THAT(error, HasSubstr("in the way"));
  EXPECT_FALSE(platform::CreateFolderWithParents("", &error));
}

}  // namespace

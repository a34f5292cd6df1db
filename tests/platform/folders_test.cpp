#include "platform/files/folders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/test_support.h"

namespace {

using korvo_test::ScopedEnv;

TEST(Folders, FollowTheXdgVariablesAndFallBackUnderHomeWhenUnsetOrRelative) {
  {
    korvo_test::ScopedXdgHome xdg;
    EXPECT_EQ(platform::UserPreferencesFolder(), xdg.dir().file("config"));
    EXPECT_EQ(platform::LocalApplicationSupportFolder(), xdg.dir().file("data"));
  }
  korvo_test::TempDir home;
  ScopedEnv homeVar("HOME", home.path().c_str());
  const std::pair<const char*, const char*> unusable[] = {{nullptr, ""}, {"relative/config", "./data"}};
  for (const auto& [config, data] : unusable) {
    ScopedEnv configVar("XDG_CONFIG_HOME", config), dataVar("XDG_DATA_HOME", data);
    EXPECT_EQ(platform::UserPreferencesFolder(), home.path() + "/.config");
    EXPECT_EQ(platform::LocalApplicationSupportFolder(), home.path() + "/.local/share");
  }
}

TEST(Folders, CreatesMissingParentsPrivatelyAndReportsWhatStandsInTheWay) {
  korvo_test::TempDir dir;
  std::string error;
  ASSERT_TRUE(platform::CreateFolderWithParents(dir.file("a/b/c"), &error)) << error;
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("a/b/c")));
  struct stat st {};
  ASSERT_EQ(::stat(dir.file("a").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777U, 0700U);
  EXPECT_TRUE(platform::CreateFolderWithParents(dir.file("a/b/c"), &error)) << "an existing folder is fine";

  korvo_test::WriteFile(dir.file("file"), "x");
  EXPECT_FALSE(platform::CreateFolderWithParents(dir.file("file/sub"), &error));
  EXPECT_NE(error.find(dir.file("file/sub")), std::string::npos) << error;
  error.clear();
  EXPECT_FALSE(platform::CreateFolderWithParents(dir.file("file"), &error));
  EXPECT_NE(error.find("in the way"), std::string::npos) << error;
  EXPECT_FALSE(platform::CreateFolderWithParents("", &error));
}

}  // namespace

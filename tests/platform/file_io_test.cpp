// Whole-file reads and atomic writes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/files/file_io.h"
#include "support/test_support.h"

namespace platform {
namespace {

unsigned ModeOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0);
  return st.st_mode & 07777;
}

std::size_t EntriesIn(const std::string& folder) {
  std::size_t n = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++n;
  return n;
}

TEST(FileIo, WritesExactBytesAndReadsThemBack) {
  korvo_test::TempDir dir;
  const std::string bytes("binary\0with\xFFnul\n", 16);
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(dir.file("f"), bytes, &error)) << error;
  auto read = ReadFileBytes(dir.file("f"));
  ASSERT_TRUE(read) << read.error();
  EXPECT_EQ(*read, bytes);
  EXPECT_EQ(ModeOf(dir.file("f")), 0644U);
  EXPECT_EQ(EntriesIn(dir.path()), 1U);  // no temporary left over

  ASSERT_TRUE(WriteFileAtomically(dir.file("empty"), ""));
  EXPECT_EQ(*ReadFileBytes(dir.file("empty")), "");
}

TEST(FileIo, ReplacingKeepsTheModeOfTheOldFile) {
  korvo_test::TempDir dir;
  ASSERT_TRUE(WriteFileAtomically(dir.file("f"), "old"));
  ASSERT_EQ(::chmod(dir.file("f").c_str(), 0600), 0);
  ASSERT_TRUE(WriteFileAtomically(dir.file("f"), "new contents"));
  EXPECT_EQ(*ReadFileBytes(dir.file("f")), "new contents");
  EXPECT_EQ(ModeOf(dir.file("f")), 0600U);
  EXPECT_EQ(EntriesIn(dir.path()), 1U);
}

TEST(FileIo, AWriteThatCannotStartLeavesNothingAndSaysWhy) {
  korvo_test::TempDir dir;
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(dir.file("missing/f"), "x", &error));
  EXPECT_NE(error.find(dir.file("missing/f")), std::string::npos) << error;
  EXPECT_NE(error.find("No such file"), std::string::npos) << error;
  EXPECT_EQ(EntriesIn(dir.path()), 0U);
}

TEST(FileIo, AWriteOverAFolderFailsAndLeavesTheFolder) {
  korvo_test::TempDir dir;
  std::filesystem::create_directory(dir.file("sub"));
  korvo_test::WriteFile(dir.file("sub/inside"), "kept");
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(dir.file("sub"), "x", &error));
  EXPECT_NE(error.find("cannot replace"), std::string::npos) << error;
  EXPECT_EQ(korvo_test::ReadFile(dir.file("sub/inside")), "kept");
  EXPECT_EQ(EntriesIn(dir.path()), 1U);
}

TEST(FileIo, ReadErrorsNameTheFile) {
  korvo_test::TempDir dir;
  auto missing = ReadFileBytes(dir.file("nothing"));
  ASSERT_FALSE(missing);
  EXPECT_NE(missing.error().find(dir.file("nothing")), std::string::npos) << missing.error();
  auto folder = ReadFileBytes(dir.path());
  ASSERT_FALSE(folder);
  EXPECT_NE(folder.error().find(dir.path()), std::string::npos) << folder.error();
}

TEST(FileIo, ReadsFilesLargerThanOneBuffer) {
  korvo_test::TempDir dir;
  std::string big(200000, '\0');
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>('a' + i % 26);
  ASSERT_TRUE(WriteFileAtomically(dir.file("big"), big));
  EXPECT_EQ(*ReadFileBytes(dir.file("big")), big);
}

}  // namespace
}  // namespace platform

// Whole-file reads and atomic writes.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <thread>

#include "platform/files/file_io.h"
#include "platform/files/output_file.h"
#include "support/test_support.h"

namespace platform {
namespace {

unsigned ModeOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0);
  return st.st_mode & 07777;
}

TEST(FileIo, WritesExactBytesReadsThemBackAndAReplacementKeepsTheOldMode) {
  korvo_test::TempDir dir;
  std::string bytes("binary\0with\xFFnul\n", 16), error;
  ASSERT_TRUE(WriteFileAtomically(dir.file("f"), bytes, &error)) << error;
  EXPECT_EQ(*ReadFileBytes(dir.file("f")), bytes);
  EXPECT_EQ(ModeOf(dir.file("f")), 0644U);
  ASSERT_TRUE(WriteFileAtomically(dir.file("empty"), ""));
  EXPECT_EQ(*ReadFileBytes(dir.file("empty")), "");

  ASSERT_EQ(::chmod(dir.file("f").c_str(), 0600), 0);
  bytes.assign(200000, '\0');  // larger than one read buffer
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>('a' + i % 26);
  ASSERT_TRUE(WriteFileAtomically(dir.file("f"), bytes));
  EXPECT_EQ(*ReadFileBytes(dir.file("f")), bytes);
  EXPECT_EQ(ModeOf(dir.file("f")), 0600U);
  EXPECT_EQ(korvo_test::NamesIn(dir.path()).size(), 2U);  // no temporary left over
}

// An output streamed in pieces replaces the file only when committed; given up half-way, it
// leaves the old file and nothing beside it.
TEST(FileIo, AnOutputWrittenInPiecesReplacesTheFileOnlyOnceCommitted) {
  korvo_test::TempDir dir;
  korvo_test::WriteFile(dir.file("f"), "old");
  {
    OutputFile given_up;
    ASSERT_TRUE(given_up.open(dir.file("f")));
    ASSERT_TRUE(given_up.write("half"));
  }
  EXPECT_EQ(korvo_test::ReadFile(dir.file("f")), "old");
  EXPECT_EQ(korvo_test::NamesIn(dir.path()).size(), 1U);
  OutputFile output;
  ASSERT_TRUE(output.open(dir.file("f")) && output.write("new ") && output.write("bytes"));
  EXPECT_EQ(korvo_test::ReadFile(dir.file("f")), "old");
  ASSERT_TRUE(output.commit());
  EXPECT_EQ(korvo_test::ReadFile(dir.file("f")), "new bytes");
  EXPECT_EQ(korvo_test::NamesIn(dir.path()).size(), 1U);
}

// Reads refused at once (FIFOs, folders, files over a cap) and writes into a missing folder are
// checked, message and all, through korvo-pde show, export and import.
TEST(FileIo, AWriteThatWouldReplaceAFolderLeavesItAndSaysWhy) {
  korvo_test::TempDir dir;
  std::filesystem::create_directory(dir.file("sub"));
  korvo_test::WriteFile(dir.file("sub/inside"), "kept");
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(dir.file("sub"), "x", &error));
  EXPECT_NE(error.find("cannot replace"), std::string::npos) << error;
  EXPECT_EQ(korvo_test::ReadFile(dir.file("sub/inside")), "kept");
  EXPECT_EQ(korvo_test::NamesIn(dir.path()).size(), 1U);
}

// Paths that are not plain files: streams written as streams, links followed, the rest refused.
namespace special {

using korvo_test::ReadFile;

bool IsRoot() { return ::geteuid() == 0; }

TEST(FileIoSpecialPaths, ALinkedFileIsUpdatedAndTheLinksStay) {
  korvo_test::TempDir dir;
  korvo_test::WriteFile(dir.file("real"), "old");
  ASSERT_EQ(::symlink("real", dir.file("soft").c_str()), 0);
  ASSERT_EQ(::link(dir.file("real").c_str(), dir.file("hard").c_str()), 0);
  ASSERT_TRUE(WriteFileAtomically(dir.file("soft"), "through the symbolic link"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.file("soft")));
  EXPECT_EQ(ReadFile(dir.file("hard")), "through the symbolic link");
  ASSERT_TRUE(WriteFileAtomically(dir.file("hard"), "through the hard link"));
  EXPECT_EQ(ReadFile(dir.file("real")), "through the hard link");
  EXPECT_EQ(korvo_test::NamesIn(dir.path()).size(), 3U);
  // A link to a file not made yet makes the file where the link points.
  ASSERT_EQ(::symlink("later", dir.file("dangling").c_str()), 0);
  ASSERT_TRUE(WriteFileAtomically(dir.file("dangling"), "made"));
  EXPECT_EQ(ReadFile(dir.file("later")), "made");
  EXPECT_TRUE(std::filesystem::is_symlink(dir.file("dangling")));
}

TEST(FileIoSpecialPaths, StreamsAreWrittenInPlaceAndStayWhatTheyAre) {
  korvo_test::TempDir dir;
  ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] { received = ReadFile(dir.file("fifo")); });  // opens the reading end, waits for EOF
  ASSERT_TRUE(WriteFileAtomically(dir.file("fifo"), "down the pipe"));
  reader.join();
  EXPECT_EQ(received, "down the pipe");
  EXPECT_TRUE(std::filesystem::is_fifo(dir.file("fifo")));
  if (!IsRoot()) GTEST_SKIP() << "a device node needs root to be made";
  ASSERT_EQ(::mknod(dir.file("null").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
  ASSERT_TRUE(WriteFileAtomically(dir.file("null"), "into the void"));
  EXPECT_TRUE(std::filesystem::is_character_file(dir.file("null")));
}

TEST(FileIoSpecialPaths, ReadOnlyFilesAndSocketsAreRefused) {
  korvo_test::TempDir dir;
  std::string error;
  const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socketPath = dir.file("sock");
  ASSERT_LT(socketPath.size(), sizeof address.sun_path);
  std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
  ASSERT_EQ(::bind(sock, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  EXPECT_FALSE(WriteFileAtomically(socketPath, "x", &error));
  EXPECT_NE(error.find("is a socket, not a file"), std::string::npos) << error;
  ::close(sock);
  // Root may write any file: the refusal is tried as an unprivileged user.
  korvo_test::WriteFile(dir.file("locked"), "kept");
  ASSERT_EQ(::chmod(dir.file("locked").c_str(), 0444), 0);
  ASSERT_EQ(::chmod(dir.path().c_str(), 0777), 0);
  const int refused = korvo_test::RunUnprivileged([&] {
    std::string message;
    return !WriteFileAtomically(dir.file("locked"), "x", &message) && message.find("Permission denied") != std::string::npos ? 0 : 1;
  });
  if (refused == 77) GTEST_SKIP() << "no unprivileged user to try it as";
  EXPECT_EQ(refused, 0);
  EXPECT_EQ(ReadFile(dir.file("locked")), "kept");
}

TEST(FileIoSpecialPaths, NewFilesHonourTheUmaskAndADeadWritersTemporaryIsCleanedUp) {
  korvo_test::TempDir dir;
  const mode_t old = ::umask(077);
  ASSERT_TRUE(WriteFileAtomically(dir.file("private"), "x"));
  ::umask(old);
  EXPECT_EQ(ModeOf(dir.file("private")), 0600U);
  const pid_t child = korvo_test::StartChild([] { return 0; });
  ASSERT_EQ(korvo_test::WaitForChild(child), 0);  // a writer that is gone
  const std::string stale = dir.file("private.tmp." + std::to_string(child) + ".42");
  const std::string live = dir.file("private.tmp." + std::to_string(::getpid()) + ".7");
  korvo_test::WriteFile(stale, "left by a killed writer");
  korvo_test::WriteFile(live, "another writer's, still running");
  ASSERT_TRUE(WriteFileAtomically(dir.file("private"), "y"));
  EXPECT_FALSE(std::filesystem::exists(stale));
  EXPECT_TRUE(std::filesystem::exists(live));
}

}  // namespace special

}  // namespace
}  // namespace platform

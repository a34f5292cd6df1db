// Several writers of one preference file: a lock held too long is reported, and a writer that
// dies in the middle leaves the old file as it was.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "platform/plist/xml_plist.h"
#include "platform/preferences/preference_file.h"
#include "platform/preferences/preference_lock.h"
#include "platform/preferences/preference_write_stage.h"
#include "support/test_support.h"

namespace platform {
namespace {

using korvo_test::StartChild;
using korvo_test::WaitForChild;

// That two processes updating one file at once lose nothing is checked on the watermark file.
TEST(PreferenceFileWriters, ALockHeldTooLongIsReportedNotIgnored) {
  korvo_test::ScopedXdgHome home;
  const std::string path = home.dir().file("data/shared.plist");
  int held[2], tried[2];  // one pipe each way, so that neither side can read its own signal
  ASSERT_EQ(::pipe(held), 0);
  ASSERT_EQ(::pipe(tried), 0);
  const pid_t holder = StartChild([&] {
    auto lock = PreferenceFileLock::acquire(path);
    if (!lock || ::write(held[1], "x", 1) != 1) return 1;
    char byte;
    return ::read(tried[0], &byte, 1) == 1 ? 0 : 2;  // hold until the parent has tried
  });
  ::close(held[1]);  // so that a child that dies early ends the read below instead of hanging it
  ::close(tried[0]);
  char byte = 0;
  const bool holding = ::read(held[0], &byte, 1) == 1;
  const auto start = std::chrono::steady_clock::now();
  auto lock = PreferenceFileLock::acquire(path, std::chrono::milliseconds(150));
  const auto waited = std::chrono::steady_clock::now() - start;
  // A writer that gave up leaves the holder's lock file where it is.
  const bool stillThere = std::filesystem::exists(PreferenceLockPath(path));
  if (holding) {
    EXPECT_EQ(::write(tried[1], "x", 1), 1);
  }
  EXPECT_EQ(WaitForChild(holder), 0);
  ::close(held[0]);
  ::close(tried[1]);
  ASSERT_TRUE(holding);
  ASSERT_FALSE(lock);
  EXPECT_TRUE(stillThere);
  EXPECT_NE(lock.error().find(PreferenceLockPath(path)), std::string::npos) << lock.error();
  EXPECT_NE(lock.error().find("150 ms"), std::string::npos) << lock.error();
  EXPECT_GE(waited, std::chrono::milliseconds(150));
  // Once the holder is gone, the lock is free again; let go, it leaves no lock file behind.
  EXPECT_TRUE(PreferenceFileLock::acquire(path, std::chrono::milliseconds(0)));
  EXPECT_EQ(korvo_test::NamesIn(home.dir().file("data"), ".lock"), std::vector<std::string>{});
}

PlistDict Large() { return PlistDict{{"Font", PlistData(65536, 0x5A)}}; }

TEST(PreferenceFileWriters, AWriterKilledMidWriteLeavesTheOldFileWhole) {
  korvo_test::ScopedXdgHome home;
  const std::string folder = home.dir().file("data");
  const std::string path = folder + "/shared.plist";
  ASSERT_TRUE(WritePreferenceFile(path, PlistDict{{"Old", "whole"}}));
  const std::string before = korvo_test::ReadFile(path);

  // The file-size limit kills the writer (SIGXFSZ) once its temporary file reaches 4096 bytes.
  const pid_t writer = StartChild([&] {
    const rlimit limit{4096, 4096};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 1;
    WritePreferenceFile(path, Large());
    return 2;  // not reached
  });
  EXPECT_EQ(WaitForChild(writer), 100 + SIGXFSZ);
  EXPECT_EQ(korvo_test::ReadFile(path), before);
  // It did die half-way: its unfinished temporary file is there, cut at the limit.
  const auto temporaries = korvo_test::NamesIn(folder, ".tmp.");
  ASSERT_EQ(temporaries.size(), 1U);
  EXPECT_EQ(std::filesystem::file_size(folder + "/" + temporaries[0]), 4096U);
  // Its lock died with it: the next writer goes ahead at once.
  std::string error;
  EXPECT_TRUE(WritePreferenceFile(path, Large(), &error)) << error;
  EXPECT_EQ(ReadPreferenceFile(path).dictionary, Large());
}

// A stage's writes reach the files all together or not at all.
TEST(PreferenceFileWriters, AStageWritesEveryFileOrNone) {
  korvo_test::ScopedXdgHome home;
  const std::string kept = home.dir().file("data/kept.plist"), added = home.dir().file("data/added.plist");
  ASSERT_TRUE(WritePreferenceFile(kept, PlistDict{{"Old", "whole"}}));
  const std::string before = korvo_test::ReadFile(kept);
  for (const bool breakSecond : {false, true}) {
    PreferenceWriteStage stage;
    ASSERT_TRUE(WritePreferenceFile(kept, PlistDict{{"New", 1}}));
    ASSERT_TRUE(WritePreferenceFile(added, PlistDict{{"Added", 2}}));
    EXPECT_EQ(ReadPreferenceFile(kept).dictionary, (PlistDict{{"New", 1}}));  // the stage answers
    EXPECT_EQ(korvo_test::ReadFile(kept), before);                            // the file waits
    if (!breakSecond) continue;  // a stage never written changes nothing
    std::filesystem::create_directory(added);  // the second file can no longer be written
    testing::internal::CaptureStderr();
    EXPECT_FALSE(stage.write());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("no preference file is changed"), std::string::npos);
  }
  EXPECT_EQ(korvo_test::ReadFile(kept), before);
  EXPECT_EQ(korvo_test::NamesIn(home.dir().file("data")), (std::vector<std::string>{"added.plist", "kept.plist"}));
}

}  // namespace
}  // namespace platform

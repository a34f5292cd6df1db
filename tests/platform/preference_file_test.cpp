// Preference files: the keeping of damaged files and refusing to write over files that cannot be
// read; several writers of one file: a lock held too long is reported, a writer that dies in the
// middle leaves the old file as it was, a stage's writes land together. Reads, writes and updates
// that keep others' keys are the stock library file's and the watermark file's (tests/stocklibrary,
// tests/watermark), against plistlib.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <filesystem>

#include "platform/files/damaged_file.h"
#include "platform/plist/xml_plist.h"
#include "platform/preferences/preference_file.h"
#include "platform/preferences/preference_lock.h"
#include "platform/preferences/preference_write_stage.h"
#include "support/test_support.h"

namespace platform {
namespace {

using korvo_test::NamesIn;

std::string Bytes(const PlistDict& dict) { return *WriteXMLPlist(PlistValue(dict)); }

struct DamagedSample {
  const char* what;
  std::string bytes;
  const char* reason;  // part of the message
};

std::vector<DamagedSample> DamagedSamples() {
  const std::string sound = Bytes(PlistDict{{"Key", "value"}, {"Count", 3}});
  return {
      {"empty", "", "the document is empty"},
      {"truncated", sound.substr(0, sound.size() / 2), "not a readable property list"},
      {"not a property list", "Name=Korvo\nCopies=3\n", "not a readable property list"},
      {"array root", Bytes(PlistDict{}).replace(Bytes(PlistDict{}).find("<dict/>"), 7, "<array/>"),
       "the root is an array, not a dictionary"},
      {"string root", *WriteXMLPlist(PlistValue("just text")), "the root is a string, not a dictionary"},
  };
}

// A fresh preference folder for each test, and the file path the tests read and write.
class PreferenceFile : public ::testing::Test {
 protected:
  korvo_test::ScopedXdgHome home;
  const std::string folder = home.dir().file("config"), path = folder + "/prefs.plist";
};

TEST_F(PreferenceFile, ADamagedFileIsKeptAsideByteForByteWithOneErrorLine) {
  for (const DamagedSample& sample : DamagedSamples()) {
    SCOPED_TRACE(sample.what);
    korvo_test::WriteFile(path, sample.bytes);

    testing::internal::CaptureStderr();
    PreferenceFileContents contents = ReadPreferenceFile(path);
    const std::string log = testing::internal::GetCapturedStderr();

    EXPECT_EQ(contents.status, PreferenceFileStatus::kKeptAside);
    EXPECT_TRUE(contents.dictionary.empty());
    EXPECT_TRUE(contents.mayBeWritten());
    EXPECT_EQ(log, "ERROR: " + contents.error + "\n");
    EXPECT_EQ(contents.error.rfind(path + ": ", 0), 0U) << contents.error;
    EXPECT_NE(contents.error.find(sample.reason), std::string::npos) << contents.error;
    EXPECT_NE(contents.error.find("; kept as " + contents.keptAs), std::string::npos) << contents.error;
    EXPECT_EQ(contents.keptAs.rfind(path + ".damaged-", 0), 0U) << contents.keptAs;
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(korvo_test::ReadFile(contents.keptAs), sample.bytes);
  }
}

TEST_F(PreferenceFile, KeepingAsideNeverReplacesAnEarlierKeptCopy) {
  // Copies already kept under this second's name and the next: the new one must not land on them.
  const std::time_t now = std::time(nullptr);
  for (std::time_t t : {now, now + 1}) korvo_test::WriteFile(DamagedFileName(path, t), "earlier copy");
  korvo_test::WriteFile(path, "damaged again");

  testing::internal::CaptureStderr();
  PreferenceFileContents contents = ReadPreferenceFile(path);
  testing::internal::GetCapturedStderr();
  ASSERT_EQ(contents.status, PreferenceFileStatus::kKeptAside);
  EXPECT_EQ(korvo_test::ReadFile(contents.keptAs), "damaged again");
  for (std::time_t t : {now, now + 1}) EXPECT_EQ(korvo_test::ReadFile(DamagedFileName(path, t)), "earlier copy");
  EXPECT_EQ(NamesIn(folder, "prefs.plist.damaged-").size(), 3U);
}

TEST_F(PreferenceFile, AFolderInThePlaceOfTheFileIsNeitherMovedNorWrittenOver) {
  std::filesystem::create_directories(path + "/inside");
  testing::internal::CaptureStderr();
  PreferenceFileContents contents = ReadPreferenceFile(path);
  bool called = false;
  std::string error;
  const bool updated = UpdatePreferenceFile(
      path, [&](PlistDict&, PreferenceFileStatus) { called = true; return PreferenceChange::kWrite; }, &error);
  const std::string log = testing::internal::GetCapturedStderr();
  EXPECT_EQ(contents.status, PreferenceFileStatus::kUnreadable);
  EXPECT_NE(contents.error.find("is not a regular file"), std::string::npos) << contents.error;
  EXPECT_FALSE(updated);
  EXPECT_FALSE(called);
  EXPECT_EQ(error, contents.error);
  EXPECT_EQ(log, "ERROR: " + error + "\n");  // one cause, one line, however often it is met
  EXPECT_TRUE(std::filesystem::is_directory(path + "/inside"));
  EXPECT_TRUE(NamesIn(home.dir().file("config"), "prefs.plist.damaged").empty());
}

TEST_F(PreferenceFile, AFileOverTheCapIsLeftAloneUnreadAndNeverWrittenOver) {
  korvo_test::WriteFile(path, std::string(kMaxPropertyListFileBytes + 1, ' '));
  testing::internal::CaptureStderr();
  const PreferenceFileContents contents = ReadPreferenceFile(path);
  EXPECT_FALSE(WritePreferenceFile(path, PlistDict{{"k", 1}}));
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(contents.status, PreferenceFileStatus::kUnreadable);
  EXPECT_NE(contents.error.find("is larger than 64 MB"), std::string::npos) << contents.error;
  EXPECT_EQ(std::filesystem::file_size(path), kMaxPropertyListFileBytes + 1);
}

TEST_F(PreferenceFile, AFileWeMayNotReadIsReportedAndNeverReplaced) {
  const std::string original = Bytes(PlistDict{{"Saved", "by its owner"}});
  korvo_test::WriteFile(path, original);
  // The folder is open to everyone, so only our own rule can stop the file from being replaced.
  ASSERT_EQ(::chmod(home.dir().path().c_str(), 0755), 0);
  ASSERT_EQ(::chmod(folder.c_str(), 0777), 0);
  ASSERT_EQ(::chmod(path.c_str(), 0000), 0);

  const int result = korvo_test::RunUnprivileged([&] {
    PreferenceFileContents contents = ReadPreferenceFile(path);
    if (contents.status != PreferenceFileStatus::kUnreadable || contents.mayBeWritten()) return 1;
    if (contents.error.find("Permission denied") == std::string::npos) return 2;
    std::string error;
    if (WritePreferenceFile(path, PlistDict{{"Saved", "by someone else"}}, &error)) return 3;
    if (error.find("will not be written over") == std::string::npos) return 4;
    if (UpdatePreferenceFile(path, [](PlistDict&, PreferenceFileStatus) { return PreferenceChange::kWrite; })) return 5;
    // The same user can write another file in that folder: the refusal above is ours alone.
    if (!WritePreferenceFile(folder + "/other.plist", PlistDict{{"k", 1}}, &error)) return 6;
    return 0;
  });
  EXPECT_EQ(result, 0);
  ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
  EXPECT_EQ(korvo_test::ReadFile(path), original);
  EXPECT_TRUE(NamesIn(folder, "prefs.plist.damaged").empty());
  EXPECT_TRUE(std::filesystem::exists(folder + "/other.plist"));
}


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

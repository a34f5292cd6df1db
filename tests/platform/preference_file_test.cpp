// Preference files: the keeping of damaged files and refusing to write over files that cannot be
// read. Reads, writes and updates that keep others' keys are the stock library file's and the
// watermark file's (tests/stocklibrary, tests/watermark), against plistlib.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <ctime>
#include <filesystem>

#include "platform/files/damaged_file.h"
#include "platform/plist/xml_plist.h"
#include "platform/preferences/preference_file.h"
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

}  // namespace
}  // namespace platform

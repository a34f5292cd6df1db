// Saving, listing, loading, adding, renaming and removing watermarks in the shared file, and the
// three default watermarks it starts with.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "kit/preference_locations.h"
#include "platform/plist/xml_plist.h"
#include "platform/preferences/preference_file.h"
#include "support/string_bundle.h"
#include "support/test_support.h"
#include "watermark/default_watermarks.h"
#include "watermark/watermark_dictionary.h"
#include "watermark/watermark_file.h"
#include "watermark/watermark_test_support.h"

namespace {

using namespace watermark_test;
using platform::PlistArray;
using platform::PlistDict;

constexpr const char* kFile = kWatermarkFileName;

WatermarkData Picture(const std::string& filename) {
  WatermarkData r;
  r.filename = filename;
  r.filePath = "/pictures/" + filename;
  r.scale = 50;
  return r;
}

// Changes the file behind the library's back, as another tool might.
void Edit(const korvo_test::ScopedXdgHome& home, const std::function<void(PlistDict&)>& change) {
  ASSERT_TRUE(platform::UpdatePreferenceFile(WatermarkFile(home), [&](PlistDict& root, platform::PreferenceFileStatus) {
    change(root);
    return platform::PreferenceChange::kWrite;
  }));
}

TEST(WatermarkFile, ALoadNeverMixesTwoRecords) {
  korvo_test::ScopedXdgHome home;
  WatermarkData rich = Text("Rich");
  rich.filePath = "/somewhere/else.png";
  rich.glyphs = {1, 2, 3, 4};
  ASSERT_EQ(saveWatermarkData(kFile, rich), WatermarkResult::kDone);
  // A sparse record, as another tool might write it: only a few keys.
  Edit(home, [](PlistDict& root) { root["Sparse"] = PlistDict{{"textString", "Sparse"}, {"fontSize", 36}}; });
  // The page belongs to whoever shows the record.
  const auto onPage = [](WatermarkData r) {
    r.pageWidth = 612, r.pageHeight = 792;
    return r;
  };
  WatermarkData record = onPage({});
  ASSERT_EQ(loadWatermarkData(kFile, "Rich", &record), WatermarkResult::kDone);
  ASSERT_EQ(loadWatermarkData(kFile, "Sparse", &record), WatermarkResult::kDone);
  WatermarkData sparse = onPage({});
  sparse.textString = "Sparse", sparse.isText = true, sparse.fontSize = 36;
  EXPECT_EQ(record, sparse);

  ASSERT_EQ(loadWatermarkData(kFile, "Rich", &record), WatermarkResult::kDone);
  std::string error;
  EXPECT_EQ(loadWatermarkData(kFile, "Nobody", &record, &error), WatermarkResult::kNotFound);
  EXPECT_NE(error.find("\"Nobody\""), std::string::npos) << error;
  EXPECT_EQ(record, onPage({}));
}

// The list the panel offers leaves out a first watermark whose record does not read, once reported;
// loaded by name, it leaves the record cleared. (Which values make a record unreadable is
// WatermarkDictionary's.)
TEST(WatermarkFile, TheUsableListLeavesOutAnUnreadableFirstRecordAndALoadOfItClearsTheRecord) {
  korvo_test::ScopedXdgHome home;
  ASSERT_EQ(addWatermarkData(kFile, Text("First")), WatermarkResult::kDone);
  ASSERT_EQ(addWatermarkData(kFile, Text("Second")), WatermarkResult::kDone);
  std::vector<std::string> names;
  ASSERT_EQ(loadUsableWatermarkList(kFile, &names), WatermarkResult::kDone);
  EXPECT_EQ(names, (std::vector<std::string>{"First", "Second"}));
  Edit(home, [](PlistDict& root) { root["First"] = "not a record"; });
  testing::internal::CaptureStderr();
  ASSERT_EQ(loadUsableWatermarkList(kFile, &names), WatermarkResult::kDone);
  const std::string log = testing::internal::GetCapturedStderr();
  EXPECT_EQ(names, (std::vector<std::string>{"Second"}));
  WatermarkData record = Text("Second");
  std::string error;
  EXPECT_EQ(loadWatermarkData(kFile, "First", &record, &error), WatermarkResult::kBadRecord);
  EXPECT_EQ(record, WatermarkData{});
  EXPECT_NE(error.find("watermark \"First\" cannot be read"), std::string::npos) << error;
  EXPECT_EQ(log, std::string("ERROR: ") + kFile + ": " + error + "\n");  // one line, as the load tells it
}

TEST(WatermarkFile, RecordsThatCannotBeStoredAreRefusedAndNothingIsWritten) {
  korvo_test::ScopedXdgHome home;
  std::string error;
  EXPECT_EQ(saveWatermarkData(kFile, Text(""), &error), WatermarkResult::kNoName);
  EXPECT_EQ(saveWatermarkData(kFile, Picture(""), &error), WatermarkResult::kNoName);
  EXPECT_EQ(saveWatermarkData(kFile, Text(std::string(512, 'x')), &error), WatermarkResult::kFieldTooLong);
  EXPECT_NE(error.find("textString"), std::string::npos) << error;
  WatermarkData longPath = Picture("p.png");
  longPath.filePath.assign(8192, '/');
  EXPECT_EQ(addWatermarkData(kFile, longPath, &error), WatermarkResult::kFieldTooLong);
  EXPECT_EQ(saveWatermarkData(kFile, Text(kWatermarkListKey), &error), WatermarkResult::kNameTaken);
  EXPECT_FALSE(std::filesystem::exists(WatermarkFile(home)));
}

TEST(WatermarkFile, AListOfTheWrongKindIsReportedNotHalfRead) {
  korvo_test::ScopedXdgHome home;
  ASSERT_EQ(saveWatermarkList(kFile, {"A"}), WatermarkResult::kDone);
  Edit(home, [](PlistDict& root) { root[kWatermarkListKey] = PlistArray{"A", 7, "B"}; });
  std::vector<std::string> names{"old"};
  std::string error;
  EXPECT_EQ(loadUsableWatermarkList(kFile, &names, &error), WatermarkResult::kBadRecord);
  EXPECT_TRUE(names.empty());
  EXPECT_EQ(error, "item 1 of the watermark list is integer, not a string");
  // A list that is not an array cannot be added to; it is left as it is for someone to mend.
  Edit(home, [](PlistDict& root) { root[kWatermarkListKey] = "not a list"; });
  const std::string before = korvo_test::ReadFile(WatermarkFile(home));
  EXPECT_EQ(addWatermarkData(kFile, Text("D"), &error), WatermarkResult::kBadRecord);
  EXPECT_NE(error.find("the watermark list is string, not an array"), std::string::npos) << error;
  EXPECT_EQ(korvo_test::ReadFile(WatermarkFile(home)), before);
}

// Adding, and renaming in place onto a taken name in any letter case, are the watermark editor's
// (tests/panels); here the renames the editor cannot make, and a watermark changing its own case.
TEST(WatermarkFile, ARenameFromAMissingNameOrToNoNameIsRefusedButAWatermarkMayChangeItsOwnCase) {
  korvo_test::ScopedXdgHome home;
  ASSERT_EQ(addWatermarkData(kFile, Text("Draft", 1)), WatermarkResult::kDone);
  ASSERT_EQ(addWatermarkData(kFile, Picture("logo.png")), WatermarkResult::kDone);
  const std::string before = korvo_test::ReadFile(WatermarkFile(home));
  std::string error;
  EXPECT_EQ(renameWatermarkData(kFile, "Nine", Text("Ten"), &error), WatermarkResult::kNotFound);
  EXPECT_EQ(renameWatermarkData(kFile, "Draft", Text(""), &error), WatermarkResult::kNoName);
  EXPECT_EQ(renameWatermarkData(kFile, "Draft", Text("LOGO.png")), WatermarkResult::kNameTaken);
  EXPECT_EQ(korvo_test::ReadFile(WatermarkFile(home)), before);
  ASSERT_EQ(renameWatermarkData(kFile, "Draft", Text("DRAFT", 2)), WatermarkResult::kDone);
  EXPECT_EQ(List(), (std::vector<std::string>{"DRAFT", "logo.png"}));
  EXPECT_EQ(Load("DRAFT").xPos, 2);
}

TEST(WatermarkFile, ARenameWhoseWriteFailsKeepsTheOldRecord) {
  korvo_test::ScopedXdgHome home;
  for (const char* name : {"One", "Two"}) ASSERT_EQ(addWatermarkData(kFile, Text(name)), WatermarkResult::kDone);
  const std::string before = korvo_test::ReadFile(WatermarkFile(home));

  // The renamed record is larger than the file-size limit leaves room for, so its write fails.
  WatermarkData bigger = Text("Renamed");
  bigger.filePath.assign(8000, 'p');
  EXPECT_EQ(korvo_test::WaitForChild(korvo_test::StartChild([&] {
              ::signal(SIGXFSZ, SIG_IGN);
              const rlimit limit{before.size() + 1000, before.size() + 1000};
              if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 90;
              std::string error;
              const WatermarkResult result = renameWatermarkData(kFile, "Two", bigger, &error);
              return result == WatermarkResult::kWriteFailed && error.find("File too large") != std::string::npos ? 0 : 1;
            })),
            0);
  EXPECT_EQ(korvo_test::ReadFile(WatermarkFile(home)), before);
  EXPECT_EQ(LoadStatus("Two"), WatermarkResult::kDone);
  EXPECT_EQ(List(), (std::vector<std::string>{"One", "Two"}));

  // A text the file cannot carry fails the same way, in this process.
  std::string error;
  testing::internal::CaptureStderr();
  EXPECT_EQ(renameWatermarkData(kFile, "Two", Text("Bad \xC3\x28"), &error), WatermarkResult::kWriteFailed);
  testing::internal::GetCapturedStderr();
  EXPECT_NE(error.find("UTF-8"), std::string::npos) << error;
  EXPECT_EQ(korvo_test::ReadFile(WatermarkFile(home)), before);
}

TEST(WatermarkFile, RemovingTakesTheRecordAndOnlyTheFirstListedName) {
  korvo_test::ScopedXdgHome home;
  // From no file: nothing is written.
  EXPECT_EQ(removeWatermarkData(kFile, "Twice"), WatermarkResult::kNoFile);
  EXPECT_FALSE(std::filesystem::exists(WatermarkFile(home)));

  ASSERT_EQ(saveWatermarkData(kFile, Text("Twice")), WatermarkResult::kDone);
  ASSERT_EQ(saveWatermarkList(kFile, {"A", "Twice", "B", "Twice"}), WatermarkResult::kDone);
  ASSERT_EQ(removeWatermarkData(kFile, "Twice"), WatermarkResult::kDone);
  EXPECT_EQ(List(), (std::vector<std::string>{"A", "B", "Twice"}));
  EXPECT_EQ(LoadStatus("Twice"), WatermarkResult::kNotFound);
  ASSERT_EQ(removeWatermarkData(kFile, "Twice"), WatermarkResult::kDone);  // the listed name left
  EXPECT_EQ(List(), (std::vector<std::string>{"A", "B"}));
  const std::string before = korvo_test::ReadFile(WatermarkFile(home));
  EXPECT_EQ(removeWatermarkData(kFile, "Twice"), WatermarkResult::kNotFound);
  EXPECT_EQ(korvo_test::ReadFile(WatermarkFile(home)), before);
}

// How a damaged file is kept aside, and the error line told, is PreferenceFile's; here, that the
// watermarks carry on from a fresh file.
TEST(WatermarkFile, ACorruptFileSurvivesASaveByteForByte) {
  korvo_test::ScopedXdgHome home;
  ASSERT_EQ(addWatermarkData(kFile, Text("Mine")), WatermarkResult::kDone);
  const std::string whole = korvo_test::ReadFile(WatermarkFile(home));
  const std::string truncated = whole.substr(0, whole.size() - 40);
  korvo_test::WriteFile(WatermarkFile(home), truncated);

  testing::internal::CaptureStderr();
  std::vector<std::string> names;
  EXPECT_EQ(loadUsableWatermarkList(kFile, &names), WatermarkResult::kNoFile);
  testing::internal::GetCapturedStderr();
  // The panel, finding no list, saves afresh: the damaged file stays kept, unchanged.
  ASSERT_EQ(addWatermarkData(kFile, Text("New")), WatermarkResult::kDone);
  const auto kept = KeptCopies(home.dir().file("data/Korvo"));
  ASSERT_EQ(kept.size(), 1U);
  EXPECT_EQ(korvo_test::ReadFile(kept[0]), truncated);
  EXPECT_EQ(List(), std::vector<std::string>{"New"});
}

TEST(WatermarkFile, TwoProcessesAddingAtOnceLoseNoWatermark) {
  korvo_test::ScopedXdgHome home;
  std::vector<pid_t> children;
  for (const std::string prefix : {"a", "b"})
    children.push_back(korvo_test::StartChild([&prefix] {
      for (int i = 0; i < 25; ++i)
        if (addWatermarkData(kFile, Text(prefix + std::to_string(i))) != WatermarkResult::kDone) return 1;
      return 0;
    }));
  for (pid_t pid : children) EXPECT_EQ(korvo_test::WaitForChild(pid), 0);
  const std::vector<std::string> names = List();
  EXPECT_EQ(names.size(), 50U);
  for (const std::string& name : names) EXPECT_EQ(LoadStatus(name), WatermarkResult::kDone) << name;
}


using namespace watermark_test;

// The records themselves, their list and the folder made for them are checked against plistlib in
// watermark_plistlib_test.
TEST(DefaultWatermarks, TextsComeFromTheBundlesTable) {
  korvo_test::ScopedXdgHome home;
  const platform::Bundle* bundle = korvo_test::BundleWithStrings(
      home.dir(), "msgid \"DraftWatermark\"\nmsgstr \"Entwurf\"\n"
                  "msgid \"ConfidentialWatermark\"\nmsgstr \"Vertraulich\"\nmsgid \"CopyWatermark\"\nmsgstr \"Kopie\"\n");
  ASSERT_NE(bundle, nullptr);
  ASSERT_EQ(CreateDefaultWatermarks(bundle), WatermarkResult::kDone);
  EXPECT_EQ(List(), (std::vector<std::string>{"Entwurf", "Vertraulich", "Kopie"}));
  EXPECT_EQ(Load("Vertraulich").xPos, 201.350601);
}

TEST(DefaultWatermarks, TheFirstRecordThatCannotBeStoredIsReportedAndNothingIsWritten) {
  korvo_test::ScopedXdgHome home;
  const platform::Bundle* tooLong = korvo_test::BundleWithStrings(
      home.dir(),
      "msgid \"ConfidentialWatermark\"\nmsgstr \"" + std::string(600, 'C') + "\"\nmsgid \"CopyWatermark\"\nmsgstr \"\"\n");
  ASSERT_NE(tooLong, nullptr);
  std::string error;
  EXPECT_EQ(CreateDefaultWatermarks(tooLong, &error), WatermarkResult::kFieldTooLong);
  EXPECT_NE(error.find("ConfidentialWatermark"), std::string::npos) << error;
  EXPECT_FALSE(std::filesystem::exists(WatermarkFile(home)));

  korvo_test::TempDir other;
  const platform::Bundle* twice = korvo_test::BundleWithStrings(
      other, "msgid \"DraftWatermark\"\nmsgstr \"Same\"\nmsgid \"CopyWatermark\"\nmsgstr \"Same\"\n");
  ASSERT_NE(twice, nullptr);
  EXPECT_EQ(CreateDefaultWatermarks(twice, &error), WatermarkResult::kNameTaken);
  EXPECT_NE(error.find("CopyWatermark"), std::string::npos) << error;
  EXPECT_FALSE(std::filesystem::exists(WatermarkFile(home)));
}

TEST(DefaultWatermarks, AFileThatCannotBeWrittenIsReportedNotPassedOffAsDone) {
  korvo_test::ScopedXdgHome home;
  std::filesystem::create_directories(WatermarkFile(home));  // a folder where the file belongs
  std::string error;
  testing::internal::CaptureStderr();
  EXPECT_EQ(CreateDefaultWatermarks(nullptr, &error), WatermarkResult::kFileUnreadable);
  testing::internal::GetCapturedStderr();
  EXPECT_NE(error.find(WatermarkFile(home)), std::string::npos) << error;
  EXPECT_TRUE(std::filesystem::is_directory(WatermarkFile(home)));
}

}  // namespace

// Property-list files: messages name the file, and a failed write loses nothing.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/plist/xml_plist.h"
#include "support/test_support.h"

namespace platform {
namespace {

std::vector<std::string> Listing(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(XmlPlistFile, WritesAndReadsADictionary) {
  korvo_test::TempDir dir;
  const PlistDict dict{{"Name", "Korvo"}, {"Copies", 3}};
  std::string error;
  ASSERT_TRUE(WriteXMLPlistFile(dir.file("a.plist"), dict, &error)) << error;
  auto read = ReadXMLPlistDictionaryFile(dir.file("a.plist"));
  ASSERT_TRUE(read) << read.error();
  EXPECT_EQ(*read, dict);
  EXPECT_EQ(korvo_test::ReadFile(dir.file("a.plist")), *WriteXMLPlist(dict));
  EXPECT_EQ(Listing(dir.path()), std::vector<std::string>{"a.plist"});
}

TEST(XmlPlistFile, ReadErrorsNameTheFile) {
  korvo_test::TempDir dir;
  auto missing = ReadXMLPlistFile(dir.file("missing.plist"));
  ASSERT_FALSE(missing);
  EXPECT_NE(missing.error().find(dir.file("missing.plist")), std::string::npos) << missing.error();

  korvo_test::WriteFile(dir.file("bad.plist"), "<plist>\n<dict>\n</plist>\n");
  auto bad = ReadXMLPlistFile(dir.file("bad.plist"));
  ASSERT_FALSE(bad);
  EXPECT_EQ(bad.error().rfind(dir.file("bad.plist") + ": line 3: ", 0), 0U) << bad.error();

  auto asDict = ReadXMLPlistDictionaryFile(dir.file("bad.plist"));
  ASSERT_FALSE(asDict);
  EXPECT_EQ(asDict.error(), bad.error());
}

TEST(XmlPlistFile, DictionaryReaderRefusesOtherRoots) {
  korvo_test::TempDir dir;
  const std::pair<PlistValue, const char*> cases[] = {
      {PlistArray{1}, "root is an array, expected a dictionary"},
      {"text", "root is a string, expected a dictionary"},
      {7, "root is an integer, expected a dictionary"}};
  for (const auto& [value, message] : cases) {
    ASSERT_TRUE(WriteXMLPlistFile(dir.file("root.plist"), value));
    auto read = ReadXMLPlistDictionaryFile(dir.file("root.plist"));
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error(), dir.file("root.plist") + ": " + message);
  }
}

TEST(XmlPlistFile, FailedWritesLeaveNothingBehindAndTheOldFileUntouched) {
  korvo_test::TempDir dir;
  std::string error;
  EXPECT_FALSE(WriteXMLPlistFile(dir.file("no/such/folder/a.plist"), PlistDict{}, &error));
  EXPECT_NE(error.find(dir.file("no/such/folder/a.plist")), std::string::npos) << error;
  EXPECT_TRUE(Listing(dir.path()).empty());

  const std::string path = dir.file("keep.plist");
  ASSERT_TRUE(WriteXMLPlistFile(path, PlistDict{{"old", true}}));
  const std::string before = korvo_test::ReadFile(path);
  error.clear();
  EXPECT_FALSE(WriteXMLPlistFile(path, PlistDict{{"new", PlistValue()}}, &error));
  EXPECT_EQ(error.rfind(path + ": cannot write the property list", 0), 0U) << error;
  EXPECT_EQ(korvo_test::ReadFile(path), before);
  EXPECT_EQ(Listing(dir.path()), std::vector<std::string>{"keep.plist"});
}

}  // namespace
}  // namespace platform

// Property-list files: messages name the file, and a failed write loses nothing.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/plist/xml_plist.h"
#include "support/test_support.h"

namespace platform {
namespace {

std::size_t EntriesIn(const std::string& folder) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

TEST(XmlPlistFile, WritesReadsAndAFailedWriteLeavesNothingBehindAndTheOldFileUntouched) {
  korvo_test::TempDir dir;
  const std::string path = dir.file("keep.plist");
  const PlistDict dict{{"Name", "Korvo"}, {"Copies", 3}};
  std::string error;
  ASSERT_TRUE(WriteXMLPlistFile(path, dict, &error)) << error;
  EXPECT_EQ(*ReadXMLPlistDictionaryFile(path), dict);
  const std::string before = korvo_test::ReadFile(path);
  EXPECT_EQ(before, *WriteXMLPlist(dict));

  EXPECT_FALSE(WriteXMLPlistFile(path, PlistDict{{"new", PlistValue()}}, &error));
  EXPECT_EQ(error.rfind(path + ": cannot write the property list", 0), 0U) << error;
  EXPECT_EQ(korvo_test::ReadFile(path), before);
  EXPECT_FALSE(WriteXMLPlistFile(dir.file("no/such/folder/a.plist"), PlistDict{}, &error));
  EXPECT_NE(error.find(dir.file("no/such/folder/a.plist")), std::string::npos) << error;
  EXPECT_EQ(EntriesIn(dir.path()), 1U);
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
  EXPECT_EQ(ReadXMLPlistDictionaryFile(dir.file("bad.plist")).error(), bad.error());

  const std::pair<PlistValue, const char*> roots[] = {{PlistArray{1}, "root is an array, expected a dictionary"},
                                                      {"text", "root is a string, expected a dictionary"},
                                                      {7, "root is an integer, expected a dictionary"}};
  for (const auto& [value, message] : roots) {
    ASSERT_TRUE(WriteXMLPlistFile(dir.file("root.plist"), value));
    auto read = ReadXMLPlistDictionaryFile(dir.file("root.plist"));
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error(), dir.file("root.plist") + ": " + message);
  }
}

}  // namespace
}  // namespace platform

// The bytes we write, the values we refuse to write, and property-list files: messages name the
// file, and a failed write loses nothing.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "platform/plist/plist_description.h"
#include "platform/plist/xml_plist.h"
#include "support/test_support.h"

namespace platform {
namespace {

std::string Body(const std::string& document) {
  // The lines between <plist version="1.0"> and </plist>.
  const std::string open = "<plist version=\"1.0\">\n";
  const std::size_t start = document.find(open) + open.size();
  return document.substr(start, document.rfind("</plist>") - start);
}

std::string WrittenBody(const PlistValue& value) {
  auto written = WriteXMLPlist(value);
  EXPECT_TRUE(written) << written.error();
  return written ? Body(*written) : std::string();
}

// Whole documents are compared byte for byte with plistlib's own in xml_plist_interop_test.
TEST(XmlPlistWrite, CarriageReturnSurvivesAsACharacterReference) {
  EXPECT_EQ(WrittenBody("a\r\nb\tc"), "<string>a&#13;\nb\tc</string>\n");
  auto back = ReadXMLPlist(*WriteXMLPlist("a\r\nb\r"));
  ASSERT_TRUE(back) << back.error();
  EXPECT_EQ(*back->asString(), "a\r\nb\r");
}

TEST(XmlPlistWrite, RefusesValuesThatWouldMakeABadFile) {
  struct Case {
    PlistValue value;
    const char* message;
  };
  const Case cases[] = {
      {PlistValue(), "kind none"},
      {PlistDict{{"outer", PlistArray{1, PlistValue()}}}, "(at \"outer\" / [1])"},
      {std::string("bell \x07"), "control character U+0007"},
      {std::string("nul \0 inside", 12), "control character U+0000"},
      {PlistDict{{std::string("key\x1b"), 1}}, "control character U+001B"},
      {std::string("latin-1 \xE9t\xE9"), "not valid UTF-8"},
      {std::string("surrogate \xED\xA0\x80"), "not valid UTF-8"},
      {std::string("noncharacter \xEF\xBF\xBF"), "XML cannot carry"},
      {std::string("cut \xE6\x97"), "not valid UTF-8"},
      {PlistDate{-62135596801.0}, "outside the years 0001 to 9999"},
      {PlistDate{253402300800.0}, "outside the years 0001 to 9999"},
      {PlistDate{std::numeric_limits<double>::quiet_NaN()}, "outside the years"},
  };
  for (const auto& c : cases) {
    auto written = WriteXMLPlist(c.value);
    ASSERT_FALSE(written) << c.message;
    EXPECT_NE(written.error().find(c.message), std::string::npos) << written.error();
  }
}

TEST(XmlPlistWrite, DatesKeepWholeSecondsRoundingTowardsThePast) {
  EXPECT_EQ(WrittenBody(PlistDate{946684800.9}), "<date>2000-01-01T00:00:00Z</date>\n");
  EXPECT_EQ(WrittenBody(PlistDate{-0.5}), "<date>1969-12-31T23:59:59Z</date>\n");
  EXPECT_EQ(WrittenBody(PlistDate{951782400}), "<date>2000-02-29T00:00:00Z</date>\n");
}

PlistValue Nested(int levels) {
  PlistValue value = PlistArray{};
  for (int i = 1; i < levels; ++i) value = PlistArray{std::move(value)};
  return value;
}

TEST(XmlPlistWrite, NestingIsLimitedToWhatTheReaderAccepts) {
  auto deepest = WriteXMLPlist(Nested(200));
  ASSERT_TRUE(deepest) << deepest.error();
  EXPECT_TRUE(ReadXMLPlist(*deepest));
  auto deeper = WriteXMLPlist(Nested(201));
  ASSERT_FALSE(deeper);
  EXPECT_NE(deeper.error().find("nest deeper than 200"), std::string::npos) << deeper.error();
}

// The one-line form of a value that messages and korvo-pde show print.
TEST(PlistDescription, OneLineTextForEveryKind) {
  const PlistValue v = PlistDict{
      {"b", PlistArray{1, 2.5, false}}, {"a", "say \"hi\"\n"}, {"d", PlistData{0xAB, 0x01}}, {"t", PlistDate{0}}};
  EXPECT_EQ(PlistDescription(v),
            "{\"a\" = \"say \\\"hi\\\"\\n\"; \"b\" = (1, 2.5, false); \"d\" = <ab01>; \"t\" = 1970-01-01T00:00:00Z}");
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
  EXPECT_EQ(korvo_test::NamesIn(dir.path()).size(), 1U);
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

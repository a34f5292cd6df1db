// The exact bytes we write, and the values we refuse to write.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "platform/plist/xml_plist.h"

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

TEST(XmlPlistWrite, SmallDocumentExactBytesWithSortedKeys) {
  PlistDict dict{{"b", 1.5}, {"a", "x & <y>"}, {"n", -42}, {"t", true}, {"f", false},
                 {"d", PlistData{1, 2, 3}}, {"when", PlistDate{946684800}},
                 {"list", PlistArray{PlistDict{}, PlistArray{}, "z"}}};
  auto written = WriteXMLPlist(dict);
  ASSERT_TRUE(written) << written.error();
  EXPECT_EQ(*written,
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
            "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
            "<plist version=\"1.0\">\n"
            "<dict>\n"
            "\t<key>a</key>\n\t<string>x &amp; &lt;y&gt;</string>\n"
            "\t<key>b</key>\n\t<real>1.5</real>\n"
            "\t<key>d</key>\n\t<data>\n\tAQID\n\t</data>\n"
            "\t<key>f</key>\n\t<false/>\n"
            "\t<key>list</key>\n\t<array>\n\t\t<dict/>\n\t\t<array/>\n\t\t<string>z</string>\n\t</array>\n"
            "\t<key>n</key>\n\t<integer>-42</integer>\n"
            "\t<key>t</key>\n\t<true/>\n"
            "\t<key>when</key>\n\t<date>2000-01-01T00:00:00Z</date>\n"
            "</dict>\n"
            "</plist>\n");
}

// Reals and data lines are compared byte for byte with plistlib's own in xml_plist_interop_test.
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

}  // namespace
}  // namespace platform

// Reading well-formed property lists: round trips and the forms other writers produce.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <thread>
#include <vector>

#include "platform/plist/xml_plist.h"

namespace platform {
namespace {

constexpr const char* kHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
    "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n";

// The value of <plist version="1.0">body</plist>, failing the test when it cannot be read.
PlistValue Read(const std::string& body) {
  auto read = ReadXMLPlist(std::string(kHead) + "<plist version=\"1.0\">" + body + "</plist>\n");
  EXPECT_TRUE(read) << body << ": " << read.error();
  return read ? read.take() : PlistValue();
}

// Round trips of every kind are checked against plistlib in xml_plist_interop_test.
TEST(XmlPlistRead, TextIsKeptExactlyAcrossCdataAndReferences) {
  EXPECT_EQ(Read("<string>  two  spaces\n</string>"), PlistValue("  two  spaces\n"));
  EXPECT_EQ(Read("<string>   </string>"), PlistValue("   "));
  EXPECT_EQ(Read("<string>a<![CDATA[<b> & ]]>c</string>"), PlistValue("a<b> & c"));
  EXPECT_EQ(Read("<string>&amp;&lt;&gt;&quot;&apos;&#233;&#x1F5A8;</string>"),
            PlistValue("&<>\"'é🖨"));
  EXPECT_EQ(Read("<string>a<!-- note -->b</string>"), PlistValue("ab"));
  EXPECT_EQ(Read("<string/>"), PlistValue(""));
}

// (Keys out of order and data broken into indented lines come from plistlib in
// xml_plist_interop_test.)
TEST(XmlPlistRead, AcceptsTheFormsOtherWritersUse) {
  EXPECT_EQ(Read("\n<dict>\n  <!-- comment -->\n  <key>k</key>\n  <true/>\n</dict>\n"),
            PlistValue(PlistDict{{"k", true}}));
  EXPECT_EQ(Read("<dict/>"), PlistValue(PlistDict{}));
  EXPECT_EQ(Read("<array></array>"), PlistValue(PlistArray{}));
  EXPECT_EQ(Read("<data></data>"), PlistValue(PlistData{}));
  EXPECT_EQ(Read("<data>AP8</data>"), PlistValue(PlistData{0, 0xFF}));  // padding left out
  auto bare = ReadXMLPlist("<plist><integer>7</integer></plist>");  // no header, no version
  ASSERT_TRUE(bare) << bare.error();
  EXPECT_EQ(*bare, PlistValue(7));
  // An internal subset is fine as long as it declares no entity.
  auto subset = ReadXMLPlist("<!DOCTYPE plist [ <!ELEMENT plist ANY> ]><plist><integer>1</integer></plist>");
  ASSERT_TRUE(subset) << subset.error();
  EXPECT_EQ(*subset, PlistValue(1));
  auto latin1 = ReadXMLPlist("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><plist><string>\xE9</string></plist>");
  ASSERT_TRUE(latin1) << latin1.error();
  EXPECT_EQ(*latin1, PlistValue("é"));
}

TEST(XmlPlistRead, IntegersInDecimalAndHexadecimal) {
  const std::pair<const char*, std::int64_t> cases[] = {
      {"0", 0}, {" 42 ", 42}, {"+7", 7}, {"-0", 0}, {"007", 7}, {"0x7fffffffffffffff", INT64_MAX},
      {"0XfF", 255}, {"-0x10", -16}, {"-9223372036854775808", INT64_MIN},
      {"9223372036854775807", INT64_MAX}};
  for (const auto& [text, value] : cases)
    EXPECT_EQ(Read(std::string("<integer>") + text + "</integer>"), PlistValue(value)) << text;
}

TEST(XmlPlistRead, RealsInAnyFormPlistlibAccepts) {
  const std::pair<const char*, double> cases[] = {
      {"1", 1.0}, {"-0.5", -0.5}, {" 2.5e3 ", 2500.0}, {".5", 0.5}, {"5.", 5.0}, {"+1E-2", 0.01},
      {"inf", INFINITY}, {"-inf", -INFINITY}, {"+infinity", INFINITY}, {"-Infinity", -INFINITY},
      {"1.7976931348623157e+308", 1.7976931348623157e308}, {"4.9e-324", 5e-324}};
  for (const auto& [text, value] : cases)
    EXPECT_EQ(Read(std::string("<real>") + text + "</real>"), PlistValue(value)) << text;
  PlistValue nan = Read("<real>NaN</real>");
  ASSERT_NE(nan.asReal(), nullptr);
  EXPECT_TRUE(std::isnan(*nan.asReal()));
}

TEST(XmlPlistRead, RealsIgnoreTheProcessLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  std::string saved = previous ? previous : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no de_DE locale (LOCPATH)";
  PlistValue read = Read("<real>1.5</real>");
  auto written = WriteXMLPlist(2.25);
  std::setlocale(LC_NUMERIC, saved.c_str());
  EXPECT_EQ(read, PlistValue(1.5));
  ASSERT_TRUE(written);
  EXPECT_NE(written->find("<real>2.25</real>"), std::string::npos);
}

// (A leap day and a second before 1970 come from plistlib in xml_plist_interop_test.)
TEST(XmlPlistRead, DatesInTheStrictIsoForm) {
  EXPECT_EQ(Read("<date>\n2000-01-01T00:00:00Z\n</date>"), PlistValue(PlistDate{946684800}));
  EXPECT_EQ(Read("<date>1900-03-01T00:00:00Z</date>"), PlistValue(PlistDate{-2203891200}));
}

TEST(XmlPlistRead, ManyThreadsReadAtOnce) {
  const std::string doc = *WriteXMLPlist(PlistDict{{"k", PlistArray{1, 2.5, "s", PlistData{1}}}});
  std::vector<std::thread> threads;
  std::vector<int> failures(4, 0);
  for (std::size_t t = 0; t < failures.size(); ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 300; ++i) {
        if (!ReadXMLPlist(doc) || ReadXMLPlist("<plist><bad/></plist>")) ++failures[t];
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(failures, std::vector<int>(4, 0));
}

}  // namespace
}  // namespace platform

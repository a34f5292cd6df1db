// Bad property lists: each gives a clear message with its line and no value, nothing is expanded
// or fetched, and libxml2 says nothing on stderr.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "platform/plist/xml_plist.h"

namespace platform {
namespace {

struct BadCase {
  std::string document;
  std::string message;  // a part of the error we expect
};

std::string Plist(const std::string& body) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n" + body + "\n</plist>\n";
}

void ExpectFailure(const BadCase& c) {
  testing::internal::CaptureStderr();
  auto read = ReadXMLPlist(c.document);
  const std::string noise = testing::internal::GetCapturedStderr();
  ASSERT_FALSE(read) << c.document;
  EXPECT_NE(read.error().find(c.message), std::string::npos) << "got: " << read.error();
  EXPECT_EQ(read.error().rfind("line ", 0), 0U) << read.error();
  EXPECT_EQ(noise, "");
}

TEST(XmlPlistErrors, EachBadDocumentIsRefusedWithItsMessage) {
  const BadCase cases[] = {
      {"", "empty"},
      {"<plist><dict></plist>", "line 1: Opening and ending tag mismatch"},
      {Plist("<dict>\n<key>a</key>\n<string>x</strin>\n</dict>"), "line 5: Opening and ending tag"},
      {Plist("<dict><key>a</key><colour>red</colour></dict>"), "line 3: unknown element <colour>"},
      {"<dict><key>a</key><true/></dict>", "root element is <dict>, expected <plist>"},
      {Plist(""), "<plist> holds no value"},
      {Plist("<true/><false/>"), "more than one value"},
      {Plist("<dict>text<key>a</key><true/></dict>"), "unexpected text \"text\" inside <dict>"},
      {Plist("<dict><key>a</key></dict>"), "key \"a\" has no value"},
      {Plist("<dict><key>a</key><key>b</key><true/></dict>"), "key \"a\" has no value"},
      {Plist("<dict><string>x</string></dict>"), "<string> in a dictionary without a <key>"},
      {Plist("<dict><key>a</key><true/><key>a</key><false/></dict>"), "duplicate key \"a\""},
      {Plist("<array><key>a</key></array>"), "<key> outside a dictionary"},
      {Plist("<string>a<true/>c</string>"), "unexpected element <true> inside <string>"},
      {Plist("<string>a<b/>c</string>"), "unknown element <b>"},
      {Plist("<dict><key>a<key/></key></dict>"), "unexpected element <key> inside <key>"},
      {"<plist><plist><true/></plist></plist>", "<plist> inside another element"},
      {Plist("<true>yes</true>"), "<true> must be empty"},
      {Plist("<x:dict xmlns:x=\"urn:x\"/>"), "unknown element <dict> in a namespace"},
      {Plist("<integer>9223372036854775808</integer>"), "integer \"9223372036854775808\" is out of range"},
      {Plist("<integer>-9223372036854775809</integer>"), "out of range"},
      {Plist("<integer>0x8000000000000000</integer>"), "out of range"},
      {Plist("<integer>12abc</integer>"), "\"12abc\" is not an integer"},
      {Plist("<real>1,5</real>"), "\"1,5\" is not a real number"},
      {Plist("<real>1e400</real>"), "out of range"},
      {Plist("<data>AP8*</data>"), "invalid character '*' in base64"},
      {Plist("<data>AP8=AAAA</data>"), "continues after its '=' padding"},
      {Plist("<data>A</data>"), "truncated or badly padded"}, {Plist("<data>====</data>"), "truncated or badly padded"},
      {Plist("<data>AA=</data>"), "truncated or badly padded"},
      {Plist("<string>&nbsp;</string>"), "Entity 'nbsp' not defined"},
      // With an external DTD named (never loaded), libxml2 would otherwise keep the reference.
      {"<?xml version=\"1.0\"?>\n<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
       "\"file:///etc/passwd\">\n<plist><string>&ext;</string></plist>",
       "ext"},
      // Control characters and bad UTF-8 in the document.
      {Plist("<string>\x01</string>"), "line 3:"},
      {Plist("<string>\xC3\x28</string>"), "line 3:"},
      {Plist("<string>&#1;</string>"), "line 3:"},
      // Character conversion reports away from the parser; it must not reach stderr either.
      {"<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n<plist><string>\x81</string></plist>", "line "},
      {"<?xml version=\"1.0\" encoding=\"US-ASCII\"?><plist><string>\xFF</string></plist>", "line 1:"},
  };
  for (const auto& c : cases) ExpectFailure(c);
  for (const char* text : {"1.0", "", "0x", "--1"}) ExpectFailure({Plist(std::string("<integer>") + text + "</integer>"), "not an integer"});
  for (const char* text : {"", "0x10", "+-1"}) ExpectFailure({Plist(std::string("<real>") + text + "</real>"), "not a real number"});
  // Dates must be complete and real.
  for (const char* date : {"2024-02-30T00:00:00Z", "2023-02-29T00:00:00Z", "2024-13-01T00:00:00Z",
                           "2024-01-01T24:00:00Z", "2024-01-01T00:60:00Z", "2024-01-01T00:00:60Z",
                           "0000-01-01T00:00:00Z", "2024-01-01 00:00:00Z", "2024-01-01T00:00:00",
                           "2024-1-01T00:00:00Z", "2024-01-01T00:00:00+01:00", "2024-01-01", ""})
    ExpectFailure({Plist(std::string("<date>") + date + "</date>"), "is not a date of the form"});
}

TEST(XmlPlistErrors, EntityDeclarationsAreRefusedBeforeAnyExpansion) {
  std::string laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE plist [\n<!ENTITY lol \"lol\">\n";
  std::string previous = "lol";
  for (int i = 1; i <= 9; ++i) {
    std::string name = "lol" + std::to_string(i), references;
    for (int k = 0; k < 10; ++k) references += "&" + previous + ";";
    laughs += "<!ENTITY " + name + " \"" + references + "\">\n";
    previous = name;
  }
  laughs += "]>\n<plist><string>&lol9;</string></plist>\n";
  const auto start = std::chrono::steady_clock::now();
  ExpectFailure({laughs, "line 3: the document declares the entity \"lol\""});
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));

  const std::string external =
      "<?xml version=\"1.0\"?>\n<!DOCTYPE plist [ <!ENTITY passwd SYSTEM \"file:///etc/passwd\"> ]>\n"
      "<plist><string>&passwd;</string></plist>\n";
  auto read = ReadXMLPlist(external);
  ASSERT_FALSE(read);
  EXPECT_NE(read.error().find("declares the entity \"passwd\""), std::string::npos) << read.error();
  EXPECT_EQ(read.error().find("root:"), std::string::npos);

  ExpectFailure({"<!DOCTYPE plist [ <!ENTITY % p \"x\"> ]><plist><true/></plist>", "declares the entity \"p\""});
  ExpectFailure({"<!DOCTYPE plist [ <!ENTITY u SYSTEM \"u.gif\" NDATA gif> ]><plist><true/></plist>",
                 "declares the entity \"u\""});
}

TEST(XmlPlistErrors, EveryTruncationOfAGoodDocumentFails) {
  const std::string good = *WriteXMLPlist(
      PlistDict{{"a", PlistArray{1, 2.5, "three"}}, {"b", PlistData{1, 2, 3}}, {"c", PlistDate{0}}});
  const std::size_t end = good.rfind("</plist>") + 8;
  for (std::size_t n = 0; n < end; ++n) {
    testing::internal::CaptureStderr();
    auto read = ReadXMLPlist(good.substr(0, n));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(read) << "a prefix of " << n << " bytes was accepted";
  }
  EXPECT_TRUE(ReadXMLPlist(good.substr(0, end)));
}

std::string Nested(int levels) {
  std::string open, close;
  for (int i = 0; i < levels; ++i) {
    open += "<array>";
    close += "</array>";
  }
  return Plist(open + close);
}

TEST(XmlPlistErrors, DeepNestingIsRefusedWithoutExhaustingTheStack) {
  EXPECT_TRUE(ReadXMLPlist(Nested(200)));
  ExpectFailure({Nested(201), "line 3: values nest deeper than 200 levels"});
  ExpectFailure({Nested(100000), "line 3: values nest deeper than 200 levels"});
}

}  // namespace
}  // namespace platform

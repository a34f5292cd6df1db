// Free text made safe for XML: the five entities, dropped controls, repaired UTF-8, clean cuts.
#include <gtest/gtest.h>

#include "jobticket/writer/jtkt_escape.h"
#include "jtkt_test_support.h"

namespace {

std::string Escape(std::string_view text, std::size_t maxBytes = kJTktNoLimit) {
  return XMLCreateStringByEscapingEntities(text, maxBytes);
}

const std::string kFFFD = "\xEF\xBF\xBD";

TEST(JTktEscape, TheFiveSpecialCharactersBecomeEntitiesAndOthersPassUnchanged) {
  EXPECT_EQ(Escape("A&B<C>D'E\"F"), "A&amp;B&lt;C&gt;D&apos;E&quot;F");
  EXPECT_EQ(Escape("&amp;"), "&amp;amp;");  // text is text: an entity in it is escaped again
  EXPECT_EQ(Escape(""), "");
  const std::string text = "Gr\xC3\xBC\xC3\x9F" "e \xE2\x80\x93 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x99\x82 \x7F\xC2\x85 tab\tlf\ncr\r";
  EXPECT_EQ(Escape(text), text);
}

TEST(JTktEscape, ControlCharactersXmlDoesNotAllowAreDropped) {
  std::string text = "a";
  for (char c = 1; c < 0x20; ++c) text += c;
  text += std::string(1, '\0') + "b";
  EXPECT_EQ(Escape(text), "a\t\n\rb");
  EXPECT_EQ(Escape("x\xEF\xBF\xBEy\xEF\xBF\xBFz"), "xyz");  // U+FFFE and U+FFFF are no XML characters
}

TEST(JTktEscape, IllFormedUtf8BecomesOneReplacementPerMaximalRun) {
  EXPECT_EQ(Escape("a\xC3"), "a" + kFFFD);                      // truncated at the end
  EXPECT_EQ(Escape("\xC3(x"), kFFFD + "(x");                    // bad continuation
  EXPECT_EQ(Escape("\xE2\x82x"), kFFFD + "x");                  // one run, one replacement
  EXPECT_EQ(Escape("\xC0\xAF"), kFFFD + kFFFD);                 // overlong form
  EXPECT_EQ(Escape("\xED\xA0\x80"), kFFFD + kFFFD + kFFFD);     // a surrogate
  EXPECT_EQ(Escape("\xF4\x90\x80\x80"), kFFFD + kFFFD + kFFFD + kFFFD);  // past U+10FFFF
  EXPECT_EQ(Escape("\xFF<"), kFFFD + "&lt;");
}

TEST(JTktEscape, ACutNeverSplitsACharacterOrAnEntity) {
  EXPECT_EQ(Escape("ab&c", 3), "ab");           // "&amp;" does not fit after "ab"
  EXPECT_EQ(Escape("ab&c", 7), "ab&amp;");
  EXPECT_EQ(Escape("a\xC3\xA9", 2), "a");       // half of an e-acute is not written
  EXPECT_EQ(Escape("a\xC3\xA9", 3), "a\xC3\xA9");
  EXPECT_EQ(Escape("\xF0\x9F\x99\x82z", 3), "");
  EXPECT_EQ(Escape("\xFFz", 2), "");            // the replacement takes three bytes
  EXPECT_EQ(Escape(std::string(40, 'x'), 30), std::string(30, 'x'));
}

TEST(JTktEscape, AppendReportsWhatItAdded) {
  std::string out = "head:";
  EXPECT_EQ(AppendXMLEscaped(out, "<b>", 5), 5u);
  EXPECT_EQ(out, "head:&lt;b");
}

TEST(JTktEscape, EverythingEscapedIsAcceptedByXmllint) {
  std::string hostile;
  for (int c = 0; c < 256; ++c) hostile += static_cast<char>(c);
  hostile += "\xED\xA0\x80\xEF\xBF\xBF]]>";
  const std::string document = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<t>" + Escape(hostile) + "</t>";
  EXPECT_EQ(jtkt_test::XmllintComplaint(document), "");
}

}  // namespace

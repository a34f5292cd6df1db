// Free text made safe for XML: the five entities, dropped controls, repaired UTF-8, clean cuts.
#include <gtest/gtest.h>

#include "jobticket/writer/jtkt_escape.h"
#include "jtkt_test_support.h"

namespace {

const std::string kFFFD = "\xEF\xBF\xBD";

TEST(JTktEscape, EachTextBecomesItsSafeForm) {
  std::string controls = "a";
  for (char c = 1; c < 0x20; ++c) controls += c;
  controls += std::string(1, '\0') + "b";
  const std::string unchanged = "Gr\xC3\xBC\xC3\x9F" "e \xE2\x80\x93 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x99\x82 \x7F\xC2\x85 tab\tlf\ncr\r";
  struct Case {
    std::string text;
    std::size_t maxBytes;
    std::string escaped;
  };
  const Case cases[] = {
      {"A&B<C>D'E\"F", kJTktNoLimit, "A&amp;B&lt;C&gt;D&apos;E&quot;F"},
      {"&amp;", kJTktNoLimit, "&amp;amp;"},  // text is text: an entity in it is escaped again
      {"", kJTktNoLimit, ""},
      {unchanged, kJTktNoLimit, unchanged},
      // Control characters XML does not allow are dropped; U+FFFE and U+FFFF are no XML characters.
      {controls, kJTktNoLimit, "a\t\n\rb"},
      {"x\xEF\xBF\xBEy\xEF\xBF\xBFz", kJTktNoLimit, "xyz"},
      // Ill-formed UTF-8 becomes one replacement per maximal run.
      {"a\xC3", kJTktNoLimit, "a" + kFFFD},                  // truncated at the end
      {"\xC3(x", kJTktNoLimit, kFFFD + "(x"},                // bad continuation
      {"\xE2\x82x", kJTktNoLimit, kFFFD + "x"},              // one run, one replacement
      {"\xC0\xAF", kJTktNoLimit, kFFFD + kFFFD},             // overlong form
      {"\xED\xA0\x80", kJTktNoLimit, kFFFD + kFFFD + kFFFD},  // a surrogate
      {"\xF4\x90\x80\x80", kJTktNoLimit, kFFFD + kFFFD + kFFFD + kFFFD},  // past U+10FFFF
      {"\xFF<", kJTktNoLimit, kFFFD + "&lt;"},
      // A cut never splits a character or an entity.
      {"ab&c", 3, "ab"},  // "&amp;" does not fit after "ab"
      {"ab&c", 7, "ab&amp;"},
      {"a\xC3\xA9", 2, "a"},  // half of an e-acute is not written
      {"a\xC3\xA9", 3, "a\xC3\xA9"},
      {"\xF0\x9F\x99\x82z", 3, ""},
      {"\xFFz", 2, ""},  // the replacement takes three bytes
      {std::string(40, 'x'), 30, std::string(30, 'x')},
  };
  for (const Case& c : cases) EXPECT_EQ(XMLCreateStringByEscapingEntities(c.text, c.maxBytes), c.escaped) << c.text;
  std::string out = "head:";
  EXPECT_EQ(AppendXMLEscaped(out, "<b>", 5), 5u);  // what it added
  EXPECT_EQ(out, "head:&lt;b");
}

TEST(JTktEscape, EverythingEscapedIsAcceptedByXmllint) {
  std::string hostile;
  for (int c = 0; c < 256; ++c) hostile += static_cast<char>(c);
  hostile += "\xED\xA0\x80\xEF\xBF\xBF]]>";
  const std::string document = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<t>" +
                               XMLCreateStringByEscapingEntities(hostile, kJTktNoLimit) + "</t>";
  EXPECT_EQ(jtkt_test::XmllintComplaint(document), "");
}

}  // namespace

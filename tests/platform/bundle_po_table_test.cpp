#include <gtest/gtest.h>

#include "platform/bundle/po_table.h"
#include "support/test_support.h"

namespace {

using platform::ParsePOTable;
using platform::StringTable;

StringTable Parsed(std::string_view text) {
  auto table = ParsePOTable(text);
  EXPECT_TRUE(table) << table.error();
  return table ? table.take() : StringTable{};
}

std::string ErrorOf(std::string_view text) {
  auto table = ParsePOTable(text);
  EXPECT_FALSE(table) << "accepted: " << text;
  return table ? std::string() : table.error();
}

TEST(POTable, ReadsEntriesJoinsContinuedStringsAndDecodesEscapes) {
  StringTable t = Parsed(
      "# comment\n"
      "msgid \"Inch abbreviation\"\n"
      "msgstr \"in\"\n"
      "\n"
      "msgid \"\"\n"
      "\"Two \"\n"
      "  \"parts\"\n"
      "msgstr \"\"\n"
      "\"Zwei \"\n"
      "\"Teile\"\n"
      "msgid \"Esc\"\n"
      "msgstr \"a\\n\\tb \\\"q\\\" c:\\\\\"\n");
  EXPECT_EQ(t, (StringTable{{"Inch abbreviation", "in"}, {"Two parts", "Zwei Teile"}, {"Esc", "a\n\tb \"q\" c:\\"}}));
}

TEST(POTable, LeavesOutTheHeaderUntranslatedAndFuzzyEntries) {
  StringTable t = Parsed(
      "\xEF\xBB\xBFmsgid \"\"\r\n"
      "msgstr \"Content-Type: text/plain; charset=utf-8\\n\"\r\n"
      "msgid \"Empty\"\r\n"
      "msgstr \"\"\r\n"
      "#, fuzzy, c-format\r\n"
      "msgid \"Guess\"\r\n"
      "msgstr \"Vermutung\"\r\n"
      "#~ msgid \"Old\"\r\n"
      "msgid \"Kept\"\r\n"
      "msgstr \"Behalten\"\r\n");
  EXPECT_EQ(t, (StringTable{{"Kept", "Behalten"}}));
}

TEST(POTable, NamesTheLineOfTheFirstFault) {
  EXPECT_EQ(ErrorOf("msgid \"a\"\nmsgstr \"b\n"), "line 2: unterminated string");
  EXPECT_EQ(ErrorOf("msgid \"a\"\nmsgstr \"\\q\"\n"), "line 2: unknown escape \\q");
  EXPECT_EQ(ErrorOf("msgid \"a\" x\nmsgstr \"b\"\n"), "line 1: text after the closing quote");
  EXPECT_EQ(ErrorOf("\"orphan\"\n"), "line 1: a string without msgid or msgstr before it");
  EXPECT_EQ(ErrorOf("msgstr \"b\"\n"), "line 1: msgstr without msgid");
  EXPECT_EQ(ErrorOf("msgid \"a\"\nmsgstr \"b\"\nmsgstr \"c\"\n"), "line 3: a second msgstr for one msgid");
  EXPECT_EQ(ErrorOf("msgid \"a\"\n\nmsgid \"b\"\nmsgstr \"c\"\n"), "line 1: msgid without msgstr");
  EXPECT_EQ(ErrorOf("msgid \"a\"\nmsgstr \"b\"\nmsgid \"last\"\n"), "line 3: msgid without msgstr");
  EXPECT_EQ(ErrorOf("msgid\nmsgstr \"b\"\n"), "line 1: a quoted string is missing");
  EXPECT_EQ(ErrorOf("msgid \"a\"\nmsgstr \"b\"\nbogus\n"), "line 3: unexpected text \"bogus\"");
}

TEST(POTable, RefusesWhatALookUpByKeyCannotServe) {
  EXPECT_EQ(ErrorOf("msgid \"a\"\nmsgstr \"1\"\n\nmsgid \"a\"\nmsgstr \"\"\n"), "line 4: duplicate msgid \"a\"");
  // An entry the table leaves out (untranslated, fuzzy) still takes its id.
  EXPECT_EQ(ErrorOf("msgid \"a\"\nmsgstr \"\"\nmsgid \"a\"\nmsgstr \"1\"\n"), "line 3: duplicate msgid \"a\"");
  EXPECT_EQ(ErrorOf("#, fuzzy\nmsgid \"a\"\nmsgstr \"1\"\nmsgid \"a\"\nmsgstr \"2\"\n"), "line 4: duplicate msgid \"a\"");
  EXPECT_EQ(ErrorOf("msgctxt \"menu\"\nmsgid \"a\"\nmsgstr \"b\"\n"),
            "line 1: message contexts (msgctxt) are not supported");
  EXPECT_EQ(ErrorOf("msgid \"a\"\nmsgid_plural \"as\"\nmsgstr[0] \"b\"\n"), "line 2: plural forms are not supported");
  EXPECT_EQ(ErrorOf("msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=ISO-8859-1\\n\"\n"),
            "line 1: charset \"iso-8859-1\" is not supported; the table must be UTF-8");
  EXPECT_EQ(ErrorOf("msgid \"a\"\nmsgstr \"b\"\nmsgid \"\xC3\"\nmsgstr \"c\"\n"), "line 3: the text is not valid UTF-8");
}

TEST(POTable, EmptyTextIsAnEmptyTable) { EXPECT_TRUE(Parsed("# only a comment\n\n").empty()); }

// The table the bundle ships passes the gettext tools' own checker and our reader.
TEST(POTable, TheShippedEnglishTablePassesMsgfmtAndOurReader) {
  const std::string table = std::string(KORVO_SOURCE_DIR) + "/resources/en.lproj/Localizable.po";
  EXPECT_FALSE(Parsed(korvo_test::ReadFile(table)).empty());
  std::string output;
  if (korvo_test::RunCommand("command -v msgfmt", &output) != 0) GTEST_SKIP() << "msgfmt (package gettext) is not installed";
  EXPECT_EQ(korvo_test::RunCommand("msgfmt --check -o /dev/null '" + table + "'", &output, true), 0) << output;
}

}  // namespace

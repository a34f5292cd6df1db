// Bundles: opening, localised strings by the user's language and the PO tables they come from, the
// help book's pages, and the plug-in's identifier.
#include "platform/bundle/bundle.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <thread>
#include <vector>

#include "platform/bundle/help_book.h"
#include "platform/bundle/po_table.h"
#include "platform/plugin/plugin_uuid.h"
#include "support/test_support.h"

namespace {

using korvo_test::ScopedEnv;

using platform::Bundle;
using testing::HasSubstr;

// The user's language as the four variables give it; null leaves all four unset.
struct ScopedLanguage {
  explicit ScopedLanguage(const char* language)
      : language_("LANGUAGE", language), all_("LC_ALL", nullptr), messages_("LC_MESSAGES", nullptr), lang_("LANG", nullptr) {}
  ScopedEnv language_, all_, messages_, lang_;
};

// A bundle under dir with the given development region and PO tables by language.
std::string MakeBundle(const korvo_test::TempDir& dir, const std::string& region,
                       const std::map<std::string, std::string>& tables) {
  std::map<std::string, std::string> resources;
  for (const auto& [language, po] : tables) resources[language + ".lproj/Localizable.po"] = po;
  return korvo_test::MakeBundle(dir, "Test", "<key>CFBundleDevelopmentRegion</key><string>" + region + "</string>",
                                resources);
}

Bundle* Opened(const std::string& path) {
  auto bundle = Bundle::open(path);
  EXPECT_TRUE(bundle) << bundle.error();
  return bundle ? *bundle : nullptr;
}

TEST(Bundle, RefusesAFolderWithoutAUsableInfoPlist) {
  korvo_test::TempDir dir;
  const std::string path = dir.file("Bad.plugin"), info = path + "/Contents/Info.plist";
  const auto errorOf = [&] {
    auto bundle = Bundle::open(path);
    EXPECT_FALSE(bundle);
    return bundle ? std::string() : bundle.error();
  };
  EXPECT_THAT(errorOf(), HasSubstr(info));
  std::filesystem::create_directories(path + "/Contents");
  korvo_test::WriteFile(info, "<plist><dict><key>x</key>");
  EXPECT_THAT(errorOf(), HasSubstr("Info.plist"));
  korvo_test::WriteFile(info, "<plist><dict><key>CFBundleIdentifier</key><integer>7</integer></dict></plist>");
  EXPECT_THAT(errorOf(), HasSubstr("\"CFBundleIdentifier\""));
}

TEST(Bundle, LooksInTheUserLanguageThenEnglishThenTheDevelopmentRegion) {
  korvo_test::TempDir dir;
  Bundle* bundle = Opened(MakeBundle(dir, "fr",
                                     {{"de", "msgid \"Job Notes\"\nmsgstr \"Auftragsnotizen\"\n"
                                             "msgid \"Advanced\"\nmsgstr \"\"\n"},
                                      {"en", "msgid \"Job Notes\"\nmsgstr \"Job Notes\"\n"
                                             "msgid \"Advanced\"\nmsgstr \"Advanced\"\n"},
                                      {"fr", "msgid \"Only French\"\nmsgstr \"Seulement\"\n"}}));
  ASSERT_NE(bundle, nullptr);
  {
    ScopedLanguage german("de_DE.UTF-8");
    EXPECT_EQ(bundle->localizedString("Job Notes"), "Auftragsnotizen");
    EXPECT_EQ(bundle->localizedString("Advanced"), "Advanced");  // untranslated in German
    EXPECT_EQ(bundle->localizedString("Only French"), "Seulement");
    EXPECT_FALSE(bundle->hasLocalizedString("Nowhere"));
  }
  {
    ScopedLanguage none(nullptr);
    EXPECT_EQ(bundle->localizedString("Job Notes"), "Job Notes");
  }
}

TEST(Bundle, AMalformedTableIsReportedOnceAndCountsAsEmpty) {
  korvo_test::TempDir dir;
  std::string path = MakeBundle(dir, "en", {{"en", "msgid \"A\"\nmsgstr \"a\"\nmsgid \"B\"\nmsgstr \"b\\x\"\n"}});
  Bundle* bundle = Opened(path);
  ASSERT_NE(bundle, nullptr);
  ScopedLanguage english("en");
  testing::internal::CaptureStderr();
  std::string first = bundle->localizedString("A");
  std::string second = bundle->localizedString("B");
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_EQ(first, "STRING NOT FOUND");
  EXPECT_EQ(second, "STRING NOT FOUND");
  EXPECT_EQ(log, "ERROR: " + path + "/Contents/Resources/en.lproj/Localizable.po: line 4: unknown escape \\x\n");
}

TEST(Bundle, ReadsATableOnceAndServesItFromManyThreads) {
  korvo_test::TempDir dir;
  std::string path = MakeBundle(dir, "en", {{"en", "msgid \"Top Tray\"\nmsgstr \"Upper Tray\"\n"}});
  Bundle* bundle = Opened(path);
  ASSERT_NE(bundle, nullptr);
  ScopedLanguage english("en");
  std::vector<std::string> seen(8);
  std::vector<std::thread> threads;
  for (std::size_t i = 0; i < seen.size(); ++i) {
    threads.emplace_back([&, i] { seen[i] = bundle->localizedString("Top Tray"); });
  }
  for (std::thread& t : threads) t.join();
  EXPECT_THAT(seen, testing::Each(std::string("Upper Tray")));
  // Later changes to the file are not seen: the table was read once.
  korvo_test::WriteFile(path + "/Contents/Resources/en.lproj/Localizable.po", "msgid \"Top Tray\"\nmsgstr \"X\"\n");
  EXPECT_EQ(bundle->localizedString("Top Tray"), "Upper Tray");
}

TEST(HelpBook, PagesAreFoundLetterCaseAsideAndNeverOutsideTheBook) {
  // A book holding paper_output/finishing/fold.htm and index.html, and beside it a file no page may reach.
  korvo_test::TempDir dir;
  std::filesystem::create_directories(dir.file("Book/paper_output/finishing"));
  korvo_test::WriteFile(dir.file("Book/paper_output/finishing/fold.htm"), "<p>fold</p>");
  korvo_test::WriteFile(dir.file("Book/index.html"), "<p>start</p>");
  korvo_test::WriteFile(dir.file("secret.txt"), "not a page");
  const platform::HelpBook book{"Test Help", dir.file("Book")};
  EXPECT_EQ(platform::FindHelpPage(book, "paper_output/finishing/fold.htm"), dir.file("Book/paper_output/finishing/fold.htm"));
  EXPECT_EQ(platform::FindHelpPage(book, "Paper_Output/Finishing/FOLD.htm"), dir.file("Book/paper_output/finishing/fold.htm"));
  EXPECT_EQ(platform::FindHelpPage(book, ""), dir.file("Book/index.html"));
  EXPECT_FALSE(platform::FindHelpPage(book, "paper_output/finishing/pads.htm"));
  EXPECT_FALSE(platform::FindHelpPage(book, "paper_output/finishing"));  // a folder is no page
  EXPECT_FALSE(platform::FindHelpPage(book, "../secret.txt"));
  EXPECT_FALSE(platform::FindHelpPage(book, "paper_output/../../secret.txt"));
  EXPECT_FALSE(platform::FindHelpPage(book, dir.file("secret.txt")));
  // Links planted in the book: to a page of its own it is a page; out of the book, none.
  std::filesystem::create_symlink("paper_output/finishing/fold.htm", dir.file("Book/fold.htm"));
  std::filesystem::create_symlink("../secret.txt", dir.file("Book/secret.htm"));
  std::filesystem::create_directory_symlink("..", dir.file("Book/up"));
  EXPECT_EQ(platform::FindHelpPage(book, "fold.htm"), dir.file("Book/fold.htm"));
  EXPECT_FALSE(platform::FindHelpPage(book, "secret.htm"));
  EXPECT_FALSE(platform::FindHelpPage(book, "up/secret.txt"));
}

// The bundle's own book is checked end to end by korvo-pde help-page.
TEST(HelpBook, ARegisteredBookIsFoundByNameTheLaterFolderWinning) {
  EXPECT_FALSE(platform::RegisteredHelpBook("No Such Help"));
  korvo_test::TempDir dir;
  platform::RegisterHelpBook(platform::HelpBook{"Registered Help", dir.path()});
  platform::RegisterHelpBook(platform::HelpBook{"Registered Help", dir.file("Book")});
  ASSERT_TRUE(platform::RegisteredHelpBook("Registered Help"));
  EXPECT_EQ(platform::RegisteredHelpBook("Registered Help")->folder, dir.file("Book"));
}

// A well-formed identifier is parsed and printed by every plug-in load (host/plugin_entry_test).
TEST(PluginUUID, RefusesMalformedText) {
  for (const char* bad : {"", "BDB091F4E57F11D3B5CC0050E4603277", "BDB091F4-E57F-11D3-B5CC-0050E460327",
                          "BDB091F4-E57F-11D3-B5CC-0050E46032777", "GDB091F4-E57F-11D3-B5CC-0050E4603277",
                          "BDB091F4-E57F+11D3-B5CC-0050E4603277"})
    EXPECT_FALSE(platform::PluginUUID::parse(bad)) << bad;
}


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
  // What a look-up by key cannot serve.
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

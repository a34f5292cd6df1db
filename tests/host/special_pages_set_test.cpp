// korvo-pde set on the Special Pages panel and its three dialogs, as a print room would script
// it: covers, inserts and an exception range reach the session; an open-ended insert range is
// refused with the file unchanged; Cancel changes nothing; export then import brings the pages
// back.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "host/korvo_pde_runner.h"
#include "support/test_support.h"

namespace {

using host_test::RunPde;

class SpecialPagesSet : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string out;
    ASSERT_EQ(RunPde("show --session " + session + " >/dev/null", &out), 0) << out;
    before = korvo_test::ReadFile(session);
  }
  int set(const std::string& file, const std::vector<std::string>& settings, std::string* out, bool stderrOnly = false) {
    std::string line = "set --session " + file;
    for (const std::string& s : settings) line += " '" + s + "'";
    return RunPde(line + (stderrOnly ? " 2>&1 >/dev/null" : ""), out);
  }
  // The ticket lines of the special pages, as show lists them.
  static std::string SpecialPageLines(const std::string& listing) {
    std::istringstream in(listing);
    std::string line, kept;
    while (std::getline(in, line))
      if (line.starts_with("com.korvo.print.SpecialPages.")) kept += line + "\n";
    return kept;
  }
  static void ExpectIn(const std::string& out, std::initializer_list<const char*> parts) {
    for (const char* part : parts) EXPECT_NE(out.find(part), std::string::npos) << part << "\n" << out;
  }

  korvo_test::ScopedXdgHome home;
  korvo_test::TempDir dir;
  std::string session = dir.file("job.plist");
  std::string before;
};

const std::vector<std::string> kPages = {"AddCovers=CoverOption=Different Covers", "AddInserts=Pages=3,5>Quantity=2",
                                         "AddExceptions=Pages=2-4>TwoSided=Two-Sided"};

TEST_F(SpecialPagesSet, CoversInsertsAndARangeReachTheSessionAndTheJobTicket) {
  std::string out;
  ASSERT_EQ(set(session, kPages, &out), 0) << out;
  ExpectIn(out, {"com.korvo.print.SpecialPages.FrontCover = ", "com.korvo.print.SpecialPages.BackCover = ",
                 "\"SidesImaged\" = 1", "\"StartPage\" = 3", "\"StartPage\" = 5", "\"Quantity\" = 2",
                 "\"StartPage\" = 2", "\"EndPage\" = 4", "\"SidesImaged\" = 2"});
  EXPECT_EQ(out.find("NoOfPads"), std::string::npos) << out;
  const std::string ticket = dir.file("job.xml");
  ASSERT_EQ(RunPde("export --session " + session + " -o " + ticket, &out), 0) << out;
  const std::string xml = korvo_test::ReadFile(ticket);
  ExpectIn(xml, {"<cover-front ", "<cover-back ", "<insert-after-page-number syntax=\"integer\">3<",
                 "<insert-after-page-number syntax=\"integer\">5<", "<lower-bound syntax=\"integer\">2<",
                 "<upper-bound syntax=\"integer\">4<", "<sides syntax=\"keyword\">two-sided-long-edge<"});
  EXPECT_EQ(korvo_test::RunCommand("xmllint --noout " + ticket, &out, true), 0) << out;
}

// A paper chosen in a dialog's paper menu: the step after the menu item names its submenu's item.
TEST_F(SpecialPagesSet, ADialogsPaperMenuTakesTheSubmenuItemAsTheNextStep) {
  std::string out;
  ASSERT_EQ(set(session, {"AddCovers=CoverOption=Front Cover Only>FrontCoverPaper=Color>Blue",
                          "AddInserts=Pages=3>InsertPaper=Color>Green"},
                &out),
            0)
      << out;
  ExpectIn(out, {"com.korvo.print.SpecialPages.FrontCover = {\"SidesImaged\" = 1; \"StartPage\" = 0; \"Stock\" = {\"Color\" = 2;",
                 "com.korvo.print.SpecialPages.InsertList = ({\"Quantity\" = 1; \"StartPage\" = 3; \"Stock\" = {\"Color\" = 4;"});
  EXPECT_EQ(set(session, {"AddInserts=Pages=4>InsertPaper=Color>Plaid"}, &out, true), 1);
  EXPECT_NE(out.find("ERROR: "), std::string::npos) << out;
}

TEST_F(SpecialPagesSet, PagesBeyondTheCapOrBeforePageOneEndSetWithTheFileUnchanged) {
  for (const char* pages : {"AddInserts=Pages=7-", "AddInserts=Pages=1-9999999", "AddInserts=Pages=5-3",
                            "AddExceptions=Pages=0-4"}) {
    std::string err;
    EXPECT_EQ(set(session, {pages}, &err, true), 1) << pages;
    EXPECT_TRUE(err.starts_with(std::string("ERROR: ") + pages + ": ")) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_EQ(korvo_test::ReadFile(session), before) << pages;
  }
}

TEST_F(SpecialPagesSet, CancelInEveryDialogPassesCmp) {
  std::string out;
  ASSERT_EQ(set(session, kPages, &out), 0) << out;
  korvo_test::WriteFile(dir.file("before.plist"), korvo_test::ReadFile(session));
  const std::vector<std::vector<std::string>> cancelled = {
      {"AddCovers=CoverOption=No Covers>Cancel"},
      {"AddCovers=click>Defaults>Cancel"},
      {"AddInserts=Pages=9>Quantity=3>Cancel"},
      {"AddExceptions=Pages=8>Halftone=600 Dot>OutputColor=Grayscale>Cancel"},
      {"SpecialPages=2-4", "EditSpecialPage=TwoSided=One-Sided>AntiAliasing=On>Defaults>Cancel"},
      {"SpecialPages=Front", "EditSpecialPage=FrontCoverSides=Print on Side 1>Cancel"},
  };
  for (const std::vector<std::string>& settings : cancelled) {
    EXPECT_EQ(set(session, settings, &out), 0) << settings.back() << out;
    EXPECT_EQ(korvo_test::RunCommand("cmp " + session + " " + dir.file("before.plist"), &out), 0) << settings.back() << out;
  }
}

TEST_F(SpecialPagesSet, ExportThenImportIntoAFreshSessionGivesTheSameRows) {
  std::string out, listed;
  ASSERT_EQ(set(session, kPages, &listed), 0) << listed;
  const std::string ticket = dir.file("job.xml"), fresh = dir.file("fresh.plist");
  ASSERT_EQ(RunPde("export --session " + session + " -o " + ticket, &out), 0) << out;
  ASSERT_EQ(RunPde("show --session " + fresh + " >/dev/null", &out), 0) << out;
  ASSERT_EQ(RunPde("import --session " + fresh + " " + ticket + " >/dev/null", &out), 0) << out;
  ASSERT_EQ(RunPde("show --session " + fresh, &out), 0) << out;
  EXPECT_EQ(SpecialPageLines(out), SpecialPageLines(listed));
}

}  // namespace

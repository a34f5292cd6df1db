// korvo-pde set on the Special Pages panel and its three dialogs, as a print room would script
// it: covers, inserts and an exception range reach the session; an open-ended insert range is
// refused with the file unchanged.
#include <gtest/gtest.h>

#include "host/korvo_pde_runner.h"
#include "support/test_support.h"

namespace {

using host_test::ExpectHas;
using host_test::RunSet;

class SpecialPagesSet : public host_test::SessionTest {
 protected:
  void SetUp() override { ASSERT_EQ(RunSet(session, kPages, &listed), 0) << listed; }
  static inline const std::vector<std::string> kPages = {"AddCovers=CoverOption=Different Covers",
                                                          "AddInserts=Pages=3,5>Quantity=2",
                                                          "AddExceptions=Pages=2-4>TwoSided=Two-Sided"};
  std::string listed;  // what the set-up's set printed
};

TEST_F(SpecialPagesSet, CoversInsertsAndARangeReachTheSessionAndTheJobTicket) {
  ExpectHas(listed, {"com.korvo.print.SpecialPages.FrontCover = ", "com.korvo.print.SpecialPages.BackCover = ",
                     "\"SidesImaged\" = 1", "\"StartPage\" = 3", "\"StartPage\" = 5", "\"Quantity\" = 2",
                     "\"StartPage\" = 2", "\"EndPage\" = 4", "\"SidesImaged\" = 2"});
  EXPECT_FALSE(host_test::Has(listed, "NoOfPads")) << listed;
  const std::string ticket = dir.file("job.xml");
  std::string out;
  ASSERT_EQ(host_test::RunPde("export --session " + session + " -o " + ticket, &out), 0) << out;
  ExpectHas(korvo_test::ReadFile(ticket),
            {"<cover-front ", "<cover-back ", "<insert-after-page-number syntax=\"integer\">3<",
             "<insert-after-page-number syntax=\"integer\">5<", "<lower-bound syntax=\"integer\">2<",
             "<upper-bound syntax=\"integer\">4<", "<sides syntax=\"keyword\">two-sided-long-edge<"});
  EXPECT_EQ(korvo_test::RunCommand("xmllint --noout " + ticket, &out, true), 0) << out;
}

// A paper chosen in a dialog's paper menu: the step after the menu item names its submenu's item.
TEST_F(SpecialPagesSet, ADialogsPaperMenuTakesTheSubmenuItemAsTheNextStep) {
  const std::string other = dir.file("other.plist");  // without the set-up's pages
  std::string out;
  ASSERT_EQ(RunSet(other, {"AddCovers=CoverOption=Front Cover Only>FrontCoverPaper=Color>Blue",
                             "AddInserts=Pages=3>InsertPaper=Color>Green"},
                   &out),
            0)
      << out;
  ExpectHas(out, {"com.korvo.print.SpecialPages.FrontCover = {\"SidesImaged\" = 1; \"StartPage\" = 0; \"Stock\" = {\"Color\" = 2;",
                  "com.korvo.print.SpecialPages.InsertList = ({\"Quantity\" = 1; \"StartPage\" = 3; \"Stock\" = {\"Color\" = 4;"});
  host_test::ExpectRefused(other, {"AddInserts=Pages=4>InsertPaper=Color>Plaid"});

  // Each cover's menu changes its own cover; the library and the advanced selection open for the
  // special page's paper as they do for the job's.
  const std::string third = dir.file("third.plist");
  ASSERT_EQ(RunSet(third, {"AddCovers=CoverOption=Different Covers>BackCoverPaper=Color>Green",
                             "AddInserts=Pages=3>InsertPaper=Advanced Paper Selection...>PaperColor=Blue",
                             "AddExceptions=Pages=5-6>ExceptionPaper=Advanced Paper Selection...>Grain=Long Grain",
                             "AddExceptions=Pages=8>ExceptionPaper=Stock Library...>Cancel"},
                   &out),
            0)
      << out;
  ExpectHas(out, {"com.korvo.print.SpecialPages.FrontCover = {\"SidesImaged\" = 1; \"StartPage\" = 0; \"Stock\" = {\"Type\"",
                  "com.korvo.print.SpecialPages.BackCover = {\"SidesImaged\" = 1; \"StartPage\" = 0; \"Stock\" = {\"Color\" = 4;",
                  "com.korvo.print.SpecialPages.InsertList = ({\"Quantity\" = 1; \"StartPage\" = 3; \"Stock\" = {\"Color\" = 2;",
                  "\"kGrain\" = "});
}

TEST_F(SpecialPagesSet, PagesBeyondTheCapOrBeforePageOneEndSetWithTheFileUnchanged) {
  for (const char* pages : {"AddInserts=Pages=7-", "AddInserts=Pages=1-9999999", "AddInserts=Pages=5-3",
                            "AddExceptions=Pages=0-4"}) {
    const std::string err = host_test::ExpectRefused(session, {pages});
    EXPECT_TRUE(err.starts_with(std::string("ERROR: ") + pages + ": ")) << err;
  }
}

}  // namespace

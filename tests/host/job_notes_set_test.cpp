// The Job Notes panel through korvo-pde as a print room uses it: names and messages set, shown,
// exported as a job ticket that xmllint accepts, and a message too long for its field refused
// without touching the session.
#include <gtest/gtest.h>

#include <algorithm>

#include "host/korvo_pde_runner.h"
#include "support/test_support.h"

namespace {

using host_test::RunPde;

class JobNotesSet : public ::testing::Test {
 protected:
  korvo_test::ScopedXdgHome home;
  korvo_test::TempDir dir;
  std::string session = dir.file("s.plist");
  static bool Has(const std::string& text, const std::string& line) { return text.find(line) != std::string::npos; }
};

TEST_F(JobNotesSet, NamesAndAMessageAreSetShownAndExported) {
  std::string login, out;
  ASSERT_EQ(korvo_test::RunCommand("id -un", &login), 0);
  login.pop_back();
  ASSERT_EQ(RunPde("set --session " + session +
                       " 'JobName=Quarterly report' 'Sender=Use Login Name' 'JobStartMessage=Load A4 & staple'",
                   &out),
            0)
      << out;
  ASSERT_EQ(RunPde("show --session " + session, &out), 0) << out;
  for (const std::string& line :
       {std::string("com.korvo.print.JobNotesJobName = \"Quarterly report\"\n"),
        std::string("com.korvo.print.JobNotesUseJobName = false\n"),
        "com.korvo.print.JobNotesSenderName = \"" + login + "\"\n",
        std::string("com.korvo.print.JobNotesSenderUseLoginName = true\n"),
        std::string("com.korvo.print.JobNotesMessage = \"Load A4 & staple\"\n")})
    EXPECT_TRUE(Has(out, line)) << line << out;
  EXPECT_FALSE(Has(out, "JobNotesSheetMessage")) << out;

  const std::string xml = dir.file("j.xml");
  ASSERT_EQ(RunPde("export --session " + session + " -o " + xml, &out), 0) << out;
  const std::string exported = korvo_test::ReadFile(xml);
  EXPECT_TRUE(Has(exported, "<job-message-to-operator syntax=\"text\" xml:space=\"preserve\">Load A4 &amp; staple"
                            "</job-message-to-operator>"))
      << exported;
  EXPECT_EQ(korvo_test::RunCommand("xmllint --noout " + xml + " 2>&1", &out), 0) << out;
}

TEST_F(JobNotesSet, AnEmptyMessageRemovesItsEntryAndATooLongOneChangesNothing) {
  std::string out;
  ASSERT_EQ(RunPde("set --session " + session + " 'JobStartMessage=Load A4' 'BannerMessage=For Sam'", &out), 0) << out;
  ASSERT_EQ(RunPde("set --session " + session + " JobStartMessage=", &out), 0) << out;
  EXPECT_FALSE(Has(out, "JobNotesMessage")) << out;
  EXPECT_TRUE(Has(out, "com.korvo.print.JobNotesSheetMessage = \"For Sam\"\n")) << out;

  const std::string before = korvo_test::ReadFile(session);
  std::string err;
  EXPECT_EQ(RunPde("set --session " + session + " BannerMessage=" + std::string(1001, 'x') + " 2>&1 >/dev/null", &err),
            1);
  EXPECT_TRUE(err.starts_with("ERROR: ")) << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_EQ(korvo_test::ReadFile(session), before);
}

}  // namespace

// The Job Notes panel through korvo-pde as a print room uses it: names and messages set, shown,
// exported as a job ticket that xmllint accepts, and a message too long for its field refused
// without touching the session.
#include <gtest/gtest.h>

#include "host/korvo_pde_runner.h"
#include "support/test_support.h"

namespace {

using host_test::ExpectHas;
using host_test::Has;
using host_test::RunPde;
using host_test::RunSet;

class JobNotesSet : public host_test::SessionTest {};

TEST_F(JobNotesSet, NamesAndAMessageAreSetShownAndExported) {
  std::string login, out;
  ASSERT_EQ(korvo_test::RunCommand("id -un", &login), 0);
  login.pop_back();
  ASSERT_EQ(RunSet(session, {"JobName=Quarterly report", "Sender=Use Login Name", "JobStartMessage=Load A4 & staple"},
                   &out),
            0)
      << out;
  ASSERT_EQ(RunPde("show --session " + session, &out), 0) << out;
  ExpectHas(out, {"com.korvo.print.JobNotesJobName = \"Quarterly report\"\n", "com.korvo.print.JobNotesUseJobName = false\n",
                  "com.korvo.print.JobNotesSenderName = \"" + login + "\"\n",
                  "com.korvo.print.JobNotesSenderUseLoginName = true\n",
                  "com.korvo.print.JobNotesMessage = \"Load A4 & staple\"\n"});
  EXPECT_FALSE(Has(out, "JobNotesSheetMessage")) << out;

  const std::string xml = dir.file("j.xml");
  ASSERT_EQ(RunPde("export --session " + session + " -o " + xml, &out), 0) << out;
  EXPECT_TRUE(Has(korvo_test::ReadFile(xml), "<job-message-to-operator syntax=\"text\" xml:space=\"preserve\">"
                                             "Load A4 &amp; staple</job-message-to-operator>"))
      << korvo_test::ReadFile(xml);
  EXPECT_EQ(korvo_test::RunCommand("xmllint --noout " + xml + " 2>&1", &out), 0) << out;
}

TEST_F(JobNotesSet, AnEmptyMessageRemovesItsEntryAndATooLongOneChangesNothing) {
  std::string out;
  // "\>" types a ">" where a plain one would begin another step.
  ASSERT_EQ(RunSet(session, {"JobStartMessage=Load A4 \\> A3", "BannerMessage=For Sam"}, &out), 0) << out;
  EXPECT_TRUE(Has(out, "com.korvo.print.JobNotesMessage = \"Load A4 > A3\"\n")) << out;
  ASSERT_EQ(RunSet(session, {"JobStartMessage="}, &out), 0) << out;
  EXPECT_FALSE(Has(out, "JobNotesMessage")) << out;
  EXPECT_TRUE(Has(out, "com.korvo.print.JobNotesSheetMessage = \"For Sam\"\n")) << out;
  host_test::ExpectRefused(session, {"BannerMessage=" + std::string(1001, 'x')});
}

}  // namespace

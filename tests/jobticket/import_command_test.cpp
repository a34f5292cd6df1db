// korvo-pde import, run as a user runs it: the dialog opens on the session, the plug-in merges
// the files, the session file is saved and the summary printed; a bad file changes nothing.
#include <gtest/gtest.h>

#include "jobticket/writer/jtkt_job_attributes.h"
#include "jtkt_test_support.h"
#include "model/image_options_keys.h"
#include "model/job_level_stock.h"
#include "model/job_notes_keys.h"
#include "platform/ticket/print_session.h"
#include "support/test_support.h"

namespace {

using jtkt_test::Program;
class ImportCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string out;
    ASSERT_EQ(korvo_test::RunCommand(Program() + " show --session " + session, &out), 0) << out;
  }
  int Run(const std::string& arguments, std::string* out, std::string* err) {
    const int status = korvo_test::RunCommand(Program() + " import " + arguments + " 2>" + dir.file("err.txt"), out);
    *err = korvo_test::ReadFile(dir.file("err.txt"));
    return status;
  }
  korvo_test::TempDir dir;
  std::string session = dir.file("session.plist");
};

TEST_F(ImportCommand, TheFilesSettingsReachTheSavedSessionAndTheSummary) {
  const std::string file = dir.file("job.xml");
  korvo_test::WriteFile(file, jtkt_test::Golden("plain_job.xml"));
  std::string out, err;
  ASSERT_EQ(Run("--session " + session + " " + file, &out, &err), 0) << err;
  EXPECT_EQ(err, "");
  EXPECT_NE(out.find("\t\tJob Name: Spring catalogue\n"), std::string::npos) << out;
  EXPECT_NE(out.find("\t\t\tWeight = 105 gsm\n"), std::string::npos) << out;
  auto loaded = platform::PrintSession::load(session);
  ASSERT_TRUE(loaded) << loaded.error();
  const platform::Ticket& settings = *loaded->ticket(platform::kPDE_PMPrintSettingsRef);
  EXPECT_EQ(*settings.getString(kJobNotesSenderNameKey), "Ana Lima");
  EXPECT_EQ(*settings.clientOf(kJobNotesSenderNameKey), "KORVO");
  EXPECT_EQ(settings.getInteger(kResolutionKey), 2);
  EXPECT_EQ(settings.getDictionary(kJobLevelStockKey)->at("Weight"), platform::PlistValue(105));
  // Exported again from the saved session, the job's importable settings are all there.
  ASSERT_EQ(korvo_test::RunCommand(Program() + " export --session " + session + " -o " + dir.file("again.xml"), &out), 0);
  const std::string again = korvo_test::ReadFile(dir.file("again.xml"));
  for (const char* line : {"<job-name syntax=\"name\" xml:space=\"preserve\">Spring catalogue</job-name>",
                           "<media-weight-metric syntax=\"integer\">105</media-weight-metric>",
                           "<sides syntax=\"keyword\">two-sided-long-edge</sides>",
                           "<page-delivery syntax=\"keyword\">reverse-order-face-up</page-delivery>"})
    EXPECT_NE(again.find(line), std::string::npos) << line << "\n" << again;
}

TEST_F(ImportCommand, ABadFileLeavesTheSessionAsItWas) {
  const std::string good = dir.file("good.xml"), bad = dir.file("bad.xml");
  korvo_test::WriteFile(good, jtkt_test::Golden("plain_job.xml"));
  korvo_test::WriteFile(bad, "<jtkt><job-template-attributes><sides>");
  const std::string before = korvo_test::ReadFile(session);
  std::string out, err;
  EXPECT_EQ(Run("--session " + session + " " + good + " " + bad, &out, &err), 1);
  EXPECT_EQ(err.rfind("ERROR: " + bad + ": not well-formed XML", 0), 0u) << err;
  EXPECT_EQ(korvo_test::ReadFile(session), before);
  EXPECT_EQ(Run("--session " + session, &out, &err), 2);
  EXPECT_EQ(Run(good, &out, &err), 2);
  EXPECT_EQ(korvo_test::ReadFile(session), before);
}

}  // namespace

// korvo-pde export, run as a user runs it: the dialog opens on the session, the plug-in writes
// the file, the session file stays as it was.
#include <gtest/gtest.h>

#include <filesystem>

#include "jtkt_test_support.h"
#include "model/image_options_keys.h"
#include "model/job_notes_keys.h"
#include "platform/ticket/print_session.h"
#include "support/test_support.h"

namespace {

using jtkt_test::Program;
class ExportCommand : public ::testing::Test {
 protected:
  // The sample printer's default session, as `show` leaves it.
  void SetUp() override {
    std::string out;
    ASSERT_EQ(korvo_test::RunCommand(Program() + " show --session " + session, &out), 0) << out;
  }
  int Export(const std::string& arguments, std::string* err) {
    return korvo_test::RunCommand(Program() + " export " + arguments + " 2>&1 >/dev/null", err);
  }
  korvo_test::TempDir dir;
  std::string session = dir.file("session.plist");
};

// Standard output and a link to it (followed, and kept a link) get the file's document.
TEST_F(ExportCommand, TheSamplePrintersDefaultSessionGivesAWellFormedFileOnEveryOutput) {
  const std::string before = korvo_test::ReadFile(session);
  std::string err, piped, linked;
  ASSERT_EQ(Export("--session " + session + " -o " + dir.file("job.xml"), &err), 0) << err;
  EXPECT_EQ(err, "");
  const std::string written = korvo_test::ReadFile(dir.file("job.xml"));
  EXPECT_TRUE(written.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n")) << written;
  EXPECT_TRUE(written.ends_with("</jtkt>"));
  EXPECT_EQ(jtkt_test::XmllintComplaint(written), "");
  EXPECT_EQ(korvo_test::ReadFile(session), before);  // export saves nothing
  ASSERT_EQ(korvo_test::RunCommand(Program() + " export --session " + session + " -o -", &piped), 0);
  EXPECT_EQ(piped, written);
  ASSERT_EQ(korvo_test::RunCommand("ln -s /proc/self/fd/1 " + dir.file("out"), nullptr), 0);
  ASSERT_EQ(korvo_test::RunCommand(Program() + " export --session " + session + " -o " + dir.file("out"), &linked), 0);
  EXPECT_EQ(linked, piped);
  EXPECT_TRUE(std::filesystem::is_symlink(dir.file("out")));
}

TEST_F(ExportCommand, TheSessionsSettingsReachTheFile) {
  auto loaded = platform::PrintSession::load(session);
  ASSERT_TRUE(loaded) << loaded.error();
  platform::Ticket& settings = *loaded->ticket(platform::kPDE_PMPrintSettingsRef);
  settings.set(kJobNotesJobNameKey, "Menu <spring> & summer", "com.korvo.print");
  settings.set(kJobNotesUseJobNameKey, false, "com.korvo.print");  // a typed name, not the document's
  settings.set(kJobNotesSenderNameKey, "Chef", "com.korvo.print");
  settings.set(kResolutionKey, 4, "com.korvo.print");
  ASSERT_TRUE(loaded->save(session));
  std::string err;
  ASSERT_EQ(Export("--session " + session + " -o " + dir.file("job.xml"), &err), 0) << err;
  const std::string written = korvo_test::ReadFile(dir.file("job.xml"));
  EXPECT_NE(written.find(">Menu &lt;spring&gt; &amp; summer</job-name>"), std::string::npos) << written;
  EXPECT_NE(written.find("<cross-feed syntax=\"integer\">1200</cross-feed>"), std::string::npos);
  EXPECT_EQ(jtkt_test::XmllintComplaint(written), "");
}

// A folder or a session file that is not there: one "ERROR:" line naming it, and no file.
TEST_F(ExportCommand, AMissingFolderOrSessionFailsWithOneLineAndNoFile) {
  struct Case {
    std::string arguments, named, absent;
  };
  const std::string target = dir.file("missing/job.xml");
  for (const Case& c : {Case{"--session " + session + " -o " + target, target, dir.file("missing")},
                        Case{"--session " + dir.file("nope.plist") + " -o " + dir.file("job.xml"), "nope.plist",
                             dir.file("job.xml")}}) {
    std::string err;
    EXPECT_EQ(Export(c.arguments, &err), 1) << c.arguments;
    EXPECT_TRUE(err.starts_with("ERROR: ")) << err;
    EXPECT_NE(err.find(c.named), std::string::npos) << err;
    EXPECT_EQ(jtkt_test::Lines(err), 1) << err;
    EXPECT_FALSE(std::filesystem::exists(c.absent));
  }
}

TEST_F(ExportCommand, BadArgumentsAreUsageErrors) {
  std::string err;
  EXPECT_EQ(Export("--session " + session, &err), 2);
  EXPECT_NE(err.find("usage:"), std::string::npos) << err;
  EXPECT_EQ(Export("-o " + dir.file("job.xml"), &err), 2);
  EXPECT_EQ(Export("--session " + session + " -o " + dir.file("a.xml") + " extra.xml", &err), 2);
  EXPECT_EQ(Export("--session " + session + " -o", &err), 2);
  EXPECT_FALSE(std::filesystem::exists(dir.file("a.xml")));
}

}  // namespace

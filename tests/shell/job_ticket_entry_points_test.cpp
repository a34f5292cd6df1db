// The dialog's export and import as the print path and the Advanced panel run them: the panels'
// Sync around the file work, and the kit's service that reaches them from below the shell.
#include "shell/job_ticket_entry_points.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "jobticket/writer/jtkt_export.h"
#include "kit/current_session.h"
#include "model/client_information_keys.h"
#include "model/job_notes_keys.h"
#include "shell/recording_panels.h"
#include "shell/shell_context.h"
#include "support/test_support.h"
#include "vocabulary/device_profile.h"

namespace {

namespace fs = std::filesystem;

long Lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

// A shell with six recording panels on a session, as the dialog has it between Initialize and
// Terminate.
class JobTicketEntryPoints : public ::testing::Test {
 protected:
  void SetUp() override {
    shell_test::gPanelCalls.clear();
    LoadPanels(shell, shell_test::kSixPanels, shell_test::LookupRecording);
    shell.session = &session;
    shell.dialog.jobTickets = ShellJobTicketService(shell);
    SetCurrentPrintSession(&session);
    // What an import reads is the device profile's to say.
    ASSERT_TRUE(KFSInitializeFromFile(std::string(KORVO_SOURCE_DIR) + "/resources/Device Profile.plist"));
  }
  void TearDown() override {
    KFSFinalize();
    SetCurrentPrintSession(nullptr);
  }
  platform::Ticket& settings() { return *session.ticket(platform::kPDE_PMPrintSettingsRef); }
  const JobTicketService& service() const { return shell.dialog.jobTickets; }

  PDEShellContext shell;
  platform::PrintSession session;
  korvo_test::TempDir dir;
};

TEST_F(JobTicketEntryPoints, ExportSyncsFirstSoThePanelsAndTheShellsOptionsAreInTheFile) {
  settings().set(kJobNotesJobNameKey, "From the panels", "K");
  settings().set(kJobNotesSenderNameKey, "Ana", "K");
  ASSERT_FALSE(settings().contains(kJTKTOptionsKey));
  ASSERT_EQ(ExportJobTicketFromDialog(service(), dir.file("job.xml").c_str()), platform::noErr);
  EXPECT_EQ(shell_test::SyncCalls().size(), 6u);
  EXPECT_TRUE(settings().contains(kJTKTOptionsKey));  // stored by the Sync
  const std::string written = korvo_test::ReadFile(dir.file("job.xml"));
  EXPECT_NE(written.find(">From the panels</job-name>"), std::string::npos) << written;
}

// The exported entry points work on the dialog now running; there is none here.
TEST_F(JobTicketEntryPoints, AFailedSyncOrNoSessionWritesNothing) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(JTKTExportToFileAtPath(dir.file("job.xml").c_str()), platform::kPMInvalidPrintSession);
  SetCurrentPrintSession(nullptr);
  EXPECT_NE(JTKTExportToFileAtPath(dir.file("job.xml").c_str()), platform::noErr);
  EXPECT_EQ(JTKTExportToFileAtPath(nullptr), platform::paramErr);
  EXPECT_EQ(Lines(testing::internal::GetCapturedStderr()), 3);
  EXPECT_FALSE(fs::exists(dir.file("job.xml")));
}

TEST_F(JobTicketEntryPoints, ImportMergesThenEveryPanelRereadsAndTheSummaryFollows) {
  const std::string file = korvo_test::DataPath("jobticket/plain_job.xml");
  const char* paths[] = {file.c_str()};
  std::string summary;
  const auto keep = [](void* refCon, const char* text) { *static_cast<std::string*>(refCon) = text; };
  ASSERT_EQ(ImportJobTicketsIntoDialog(service(), paths, 1, keep, &summary), platform::noErr);
  ASSERT_NE(settings().getString(kJobNotesJobNameKey), nullptr);
  EXPECT_EQ(*settings().getString(kJobNotesJobNameKey), "Spring catalogue");
  const std::vector<std::string> syncs = shell_test::SyncCalls();
  // Every panel re-reads; then they store once, so that the import can measure what it made.
  ASSERT_EQ(syncs.size(), 12u);
  EXPECT_TRUE(std::all_of(syncs.begin(), syncs.begin() + 6, [](const std::string& c) { return c.ends_with(":read"); }));
  EXPECT_TRUE(std::none_of(syncs.begin() + 6, syncs.end(), [](const std::string& c) { return c.ends_with(":read"); }));
  EXPECT_NE(summary.find("Spring catalogue"), std::string::npos) << summary;
}

TEST_F(JobTicketEntryPoints, AFileThatIsNotAJobTicketMergesNothingAndRereadsNothing) {
  korvo_test::WriteFile(dir.file("bad.xml"), "<not-a-ticket/>");
  const std::string file = dir.file("bad.xml");
  const char* paths[] = {file.c_str()};
  testing::internal::CaptureStderr();
  EXPECT_NE(ImportJobTicketsIntoDialog(service(), paths, 1, nullptr, nullptr), platform::noErr);
  EXPECT_EQ(Lines(testing::internal::GetCapturedStderr()), 1);
  EXPECT_TRUE(settings().items().empty());
  EXPECT_TRUE(shell_test::SyncCalls().empty());
}

TEST(JobTicketService, WithoutADialogThereIsNoExportOrImport) {
  EXPECT_EQ(ExportJobTicketFromDialog({}, "/tmp/never.xml"), platform::kPMInvalidPDEContext);
  EXPECT_EQ(ImportJobTicketsIntoDialog({}, nullptr, 0, nullptr, nullptr), platform::kPMInvalidPDEContext);
}

}  // namespace

// Export to a file: what is copied from the ticket, the Sync that comes first, and failures that
// leave no file behind and say so in one line.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "jobticket/writer/jtkt_export.h"
#include "jtkt_test_support.h"
#include "model/client_information_keys.h"
#include "model/job_notes_keys.h"
#include "model/platform_keys.h"
#include "platform/ticket/print_session.h"
#include "shell/client_information.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

platform::Ticket KorvoTicket() {
  platform::Ticket ticket;
  ticket.set(kJTKTOptionsKey, platform::PlistDict{{kJTKTOptionAllKey, true}}, "K");
  ticket.set(kJobNotesJobNameKey, "Annual report", "K");
  ticket.set(kJobNotesSenderNameKey, "Ana", "K");
  ticket.set(kPMJobNameKey, "platform.pdf", "com.apple.print");
  return ticket;
}

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  return names;
}

TEST(JTktExport, WritesTheDocumentOfTheKorvoItems) {
  korvo_test::TempDir dir;
  platform::Ticket ticket = KorvoTicket();
  ASSERT_EQ(JTKTExportTicketToFile(&ticket, dir.file("job.xml")), platform::noErr);
  const std::string written = korvo_test::ReadFile(dir.file("job.xml"));
  EXPECT_EQ(written, jtkt_test::Document(JTKTCopyKorvoItems(ticket)));
  EXPECT_NE(written.find(">Annual report</job-name>"), std::string::npos);
  EXPECT_EQ(jtkt_test::XmllintComplaint(written), "");
  EXPECT_EQ(FolderEntries(dir.path()), std::vector<std::string>{"job.xml"});  // no temporary left
  // "Use job name" finds no platform name in the copy.
  ticket.set(kJobNotesUseJobNameKey, true, "K");
  ASSERT_EQ(JTKTExportTicketToFile(&ticket, dir.file("job.xml")), platform::noErr);
  EXPECT_EQ(korvo_test::ReadFile(dir.file("job.xml")).find("jtkt-operation-attributes"), std::string::npos);
  // A ticket without options gives an empty file.
  platform::Ticket bare;
  bare.set(kJobNotesJobNameKey, "x", "K");
  ASSERT_EQ(JTKTExportTicketToFile(&bare, dir.file("empty.xml")), platform::noErr);
  EXPECT_TRUE(fs::exists(dir.file("empty.xml")));
  EXPECT_EQ(korvo_test::ReadFile(dir.file("empty.xml")), "");
}

// Each failure: its status, one "ERROR:" line naming the file, and nothing left in the folder
// (a folder standing where the file should go stays as it was).
TEST(JTktExport, FailuresSayWhyInOneLineAndLeaveNoFile) {
  korvo_test::TempDir dir;
  const platform::Ticket ticket = KorvoTicket();
  const std::string locked = dir.file("locked");
  fs::create_directory(locked);
  ::chmod(locked.c_str(), 0555);
  fs::create_directory(dir.file("folder.xml"));
  // The superuser writes through permission bits; /proc takes no new files from anyone.
  const std::string readOnly = (::geteuid() == 0 ? std::string("/proc") : locked) + "/job.xml";
  struct Case {
    const platform::Ticket* ticket;
    std::string path;
    platform::OSStatus status;
  };
  const Case cases[] = {{nullptr, dir.file("job.xml"), platform::kPMInvalidTicket},
                        {&ticket, dir.file("no-such-folder/job.xml"), platform::fnfErr},
                        {&ticket, readOnly, platform::ioErr},
                        {&ticket, dir.file("folder.xml"), platform::ioErr},
                        {nullptr, "", platform::paramErr}};
  for (const Case& c : cases) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(JTKTExportTicketToFile(c.ticket, c.path), c.status) << c.path;
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(log.starts_with("ERROR: ")) << log;
    EXPECT_NE(log.find(c.path), std::string::npos) << log;
    EXPECT_EQ(jtkt_test::Lines(log), 1) << log;
  }
  EXPECT_FALSE(fs::exists(readOnly));
  EXPECT_TRUE(FolderEntries(locked).empty());
  EXPECT_EQ(FolderEntries(dir.path()).size(), 2u);  // "locked" and "folder.xml", nothing else
  EXPECT_TRUE(fs::is_directory(dir.file("folder.xml")));
  ::chmod(locked.c_str(), 0755);
}

}  // namespace

// What the system print dialog's Print does with a Korvo queue of the private print system and
// with Print to File, driven by print_dialog_job_driver.
#include <gtest/gtest.h>

#include "backend/queue_test.h"
#include "host/full_session.h"
#include "host/korvo_pde_runner.h"
#include "platform/ticket/print_session.h"

namespace {

using host_test::ExpectHas;
using host_test::IsOneErrorLine;

class PrintDialogJob : public backend_test::QueueTest {
 protected:
  // ippeveprinter lists neither copies nor page ranges by itself.
  static void SetUpTestSuite() {
    Start(korvo_test::ReadFile(korvo_test::DataPath("host/ipp_production_printer.conf")) +
          "ATTR rangeOfInteger copies-supported 1-999\nATTR boolean page-ranges-supported true\n");
  }
  // A session of every setting sent, then what the data script named does to it.
  std::string Session(const std::string& name, const std::vector<std::string>& scripts = {}) {
    const std::string session = dir_.file(name);
    std::string out;
    EXPECT_EQ(Pde("show --session " + session, &out), 0) << out;
    EXPECT_EQ(host_test::FillFullSession(session, &out, scripts), 0) << out;
    return session;
  }
  int Driver(const std::string& arguments, std::string* out) {
    return cups_->run(std::string(KORVO_BIN_DIR) + "/print_dialog_job_driver " + arguments + " 2>&1", out);
  }
};

TEST_F(PrintDialogJob, TheQueuesPrinterBecomesTheSessionsAndTheTicketStays) {
  const std::string session = Session("load.plist"), ppds = dir_.file("ppds");
  const platform::PrintSession before = *platform::PrintSession::load(session);
  std::string out;
  ASSERT_EQ(Driver("load " + session + " Korvo " + ppds, &out), 0) << out;
  EXPECT_EQ(out, "ppd = " + ppds + "/Korvo.ppd\ndevice = korvo://127.0.0.1:8631/ipp/print\nkorvo = 1\n");
  // The queue's own description: the sample printer's with the filter the queue adds.
  ExpectHas(korvo_test::ReadFile(ppds + "/Korvo.ppd"),
            {"*Manufacturer: \"Korvo\"", "*cupsFilter2: \"application/pdf application/pdf 0 -\""});
  const platform::PrintSession after = *platform::PrintSession::load(session);
  EXPECT_EQ(*after.ticket(platform::kPDE_PMPrintSettingsRef), *before.ticket(platform::kPDE_PMPrintSettingsRef));
  // No such queue, or a queue without a printer description: one line, the session as it was.
  for (const char* queue : {"Nowhere", "Raw"}) {
    EXPECT_EQ(Driver("load " + session + " " + queue + " " + ppds, &out), 1);
    EXPECT_TRUE(IsOneErrorLine(out, queue));
    EXPECT_EQ(*platform::PrintSession::load(session), after);
  }
}

TEST_F(PrintDialogJob, TheDialogsChoicesGoWithTheSessionsAttributesAndTheTicketWins) {
  std::string out;
  ASSERT_EQ(Driver("queue " + Session("queue.plist") + " Korvo " + Document("dialog.pdf") + " 2 2-3 even", &out), 0);
  EXPECT_EQ(out.substr(0, out.find("request id is Korvo-")),
            "WARNING: Even or Odd Pages: the printer does not support page-set; it is not sent\n");
  const std::string job = cups_->printerJob("dialog.pdf");
  // The dialog's reverse order loses to the Advanced panel's output order, one of these.
  for (const std::string attribute : host_test::kFullJobAttributes) ExpectHas(job, {attribute});
  ExpectHas(job, {"copies (integer) = 2", "page-ranges (rangeOfInteger) = 2-3",
                  "multiple-document-handling (keyword) = separate-documents-collated-copies"});
  // The Advanced panel's page range, and the pads' uncollated copies, win over the dialog's.
  const std::string ours = Session("ours.plist", {"host/ticket_page_range.py"});
  ASSERT_EQ(Driver("queue " + ours + " Korvo " + Document("ours.pdf") + " 3 2-3", &out), 0) << out;
  ExpectHas(cups_->printerJob("ours.pdf"), {"copies (integer) = 3", "page-ranges (rangeOfInteger) = 4-5\n",
                                            "multiple-document-handling (keyword) = separate-documents-uncollated"});
  EXPECT_EQ(Driver("queue " + ours + " Korvo " + Document("none.pdf") + " 0", &out), 1);
  EXPECT_TRUE(IsOneErrorLine(out, "copies"));
}

TEST_F(PrintDialogJob, PrintToFileWritesTheDocumentAndTheExportOrNothing) {
  const std::string session = Session("file.plist"), document = Document("file.pdf");
  std::string out;
  ASSERT_EQ(Driver("file " + session + " " + document + " " + dir_.file("out.pdf"), &out), 0) << out;
  ASSERT_EQ(Pde("export --session " + session + " -o " + dir_.file("export.xml"), &out), 0) << out;
  EXPECT_EQ(korvo_test::RunCommand("cmp " + document + " " + dir_.file("out.pdf") + " && cmp " +
                                       dir_.file("export.xml") + " " + dir_.file("out.pdf.xml"),
                                   &out, true),
            0)
      << out;
  // A PostScript or SVG name, in any case, and a folder: one line, nothing written or replaced.
  korvo_test::RunCommand("mkdir " + dir_.file("dir") + " && echo old > " + dir_.file("old.PS"), &out);
  for (const char* name : {"old.PS", "new.eps", "new.SVG", "dir"}) {
    EXPECT_EQ(Driver("file " + session + " " + document + " " + dir_.file(name), &out), 1);
    EXPECT_TRUE(IsOneErrorLine(out, name));
  }
  EXPECT_EQ(korvo_test::ReadFile(dir_.file("old.PS")), "old\n");
  korvo_test::RunCommand("ls -A " + dir_.file("dir") + " " + dir_.file(""), &out);
  EXPECT_EQ(out.find(".tmp."), std::string::npos) << out;
  EXPECT_EQ(out.find("new."), std::string::npos) << out;
}

}  // namespace

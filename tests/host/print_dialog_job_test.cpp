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

const std::string kDriver = std::string(KORVO_BIN_DIR) + "/print_dialog_job_driver ";

class PrintDialogJob : public backend_test::QueueTest {
 protected:
  static void SetUpTestSuite() {
    // ippeveprinter lists neither by itself.
    Start(korvo_test::ReadFile(korvo_test::DataPath("host/ipp_production_printer.conf")) +
          "ATTR rangeOfInteger copies-supported 1-999\nATTR boolean page-ranges-supported true\n");
  }

  // A session of every setting sent, then the lines of python given.
  std::string Session(const std::string& name, const std::string& python = "") {
    const std::string session = dir_.file(name);
    std::string out;
    EXPECT_EQ(Pde("show --session " + session, &out), 0) << out;
    EXPECT_EQ(korvo_test::RunCommand("python3 " + korvo_test::DataPath("host/ipp_full_session.py") + " " + session, &out,
                                     true),
              0)
        << out;
    if (!python.empty()) {
      EXPECT_EQ(korvo_test::RunCommand("python3 -c \"import plistlib; p='" + session +
                                           "'; d=plistlib.load(open(p,'rb')); i=d['PMPrintSettingsTicket']['Items']; " +
                                           python + "; plistlib.dump(d, open(p,'wb'))\"",
                                       &out, true),
                0)
          << out;
    }
    return session;
  }
  int Driver(const std::string& arguments, std::string* out) { return cups_->run(kDriver + arguments, out); }
};

TEST_F(PrintDialogJob, TheQueuesPrinterBecomesTheSessionsAndTheTicketStays) {
  const std::string session = Session("load.plist");
  const platform::PrintSession before = *platform::PrintSession::load(session);
  std::string out;
  ASSERT_EQ(Driver("load " + session + " Korvo " + dir_.file("ppds") + " 2>&1", &out), 0) << out;
  EXPECT_EQ(out, "ppd = " + dir_.file("ppds") + "/Korvo.ppd\ndevice = korvo://127.0.0.1:8631/ipp/print\nkorvo = 1\n");
  // The queue's own description: the sample printer's with the filter the queue adds.
  ExpectHas(korvo_test::ReadFile(dir_.file("ppds/Korvo.ppd")),
            {"*Manufacturer: \"Korvo\"", "*cupsFilter2: \"application/pdf application/pdf 0 -\""});
  const platform::PrintSession after = *platform::PrintSession::load(session);
  EXPECT_EQ(*after.ticket(platform::kPDE_PMPrintSettingsRef), *before.ticket(platform::kPDE_PMPrintSettingsRef));
  EXPECT_EQ(after.printer().name, "Korvo");

  // A queue the server does not have, and one with no printer description: one line each, the
  // session as it was.
  for (const char* queue : {"Nowhere", "Raw"}) {
    EXPECT_EQ(Driver("load " + session + " " + queue + " " + dir_.file("ppds") + " 2>&1", &out), 1);
    EXPECT_TRUE(IsOneErrorLine(out, queue)) << out;
    EXPECT_EQ(*platform::PrintSession::load(session), after);
  }
}

TEST_F(PrintDialogJob, TheDialogsCopiesAndPagesGoWithTheSessionsAttributesAndTheTicketWins) {
  std::string out;
  const std::string document = Document("dialog.pdf");
  ASSERT_EQ(Driver("queue " + Session("queue.plist") + " Korvo " + document + " 2 2-3", &out), 0) << out;
  EXPECT_TRUE(out.starts_with("request id is Korvo-")) << out;
  const std::string job = cups_->printerJob("dialog.pdf");
  for (const std::string attribute : host_test::kFullJobAttributes) ExpectHas(job, {attribute});
  // The dialog's reverse order lost to the Advanced panel's output order, in the list above.
  ExpectHas(job, {"copies (integer) = 2", "page-ranges (rangeOfInteger) = 2-3",
                  "multiple-document-handling (keyword) = separate-documents-collated-copies"});

  // The Advanced panel's page range, and the pads' uncollated copies, win over the dialog's.
  const std::string ours = Session("ours.plist",
                                   "i['com.korvo.print.PagesToPrintSelected']=1; i['com.korvo.print.PagesToPrintFrom']=4; "
                                   "i['com.korvo.print.PagesToPrintTo']=5; "
                                   "i['com.apple.print.PrintSettings.PMCopyCollate']=False");
  ASSERT_EQ(Driver("queue " + ours + " Korvo " + Document("ours.pdf") + " 3 2-3", &out), 0) << out;
  const std::string oursJob = cups_->printerJob("ours.pdf");
  ExpectHas(oursJob, {"copies (integer) = 3", "page-ranges (rangeOfInteger) = 4-5",
                      "multiple-document-handling (keyword) = separate-documents-uncollated-copies"});
  EXPECT_EQ(oursJob.find("2-3\n"), std::string::npos) << oursJob;

  // Copies the dialog cannot mean: one line, nothing sent.
  EXPECT_EQ(Driver("queue " + ours + " Korvo " + Document("none.pdf") + " 0 2>&1", &out), 1);
  EXPECT_TRUE(IsOneErrorLine(out, "copies")) << out;
}

TEST_F(PrintDialogJob, PrintToFileWritesTheDocumentAndExportsTicketOrNothing) {
  const std::string session = Session("file.plist");
  const std::string document = Document("file.pdf");
  std::string out;
  ASSERT_EQ(korvo_test::RunCommand(kDriver + "file " + session + " " + document + " " + dir_.file("out.pdf"), &out, true),
            0)
      << out;
  ASSERT_EQ(Pde("export --session " + session + " -o " + dir_.file("export.xml"), &out), 0) << out;
  EXPECT_EQ(korvo_test::RunCommand("cmp " + document + " " + dir_.file("out.pdf") + " && cmp " + dir_.file("export.xml") +
                                       " " + dir_.file("out.pdf.xml"),
                                   &out, true),
            0)
      << out;

  // A PostScript or SVG name, in any case, and a folder: one line, nothing written or replaced.
  korvo_test::RunCommand("mkdir " + dir_.file("folder") + " && echo old > " + dir_.file("old.PS"), &out, true);
  for (const char* name : {"old.PS", "new.eps", "new.SVG", "folder"}) {
    EXPECT_EQ(korvo_test::RunCommand(kDriver + "file " + session + " " + document + " " + dir_.file(name), &out, true), 1);
    EXPECT_TRUE(IsOneErrorLine(out, name)) << out;
  }
  EXPECT_EQ(korvo_test::ReadFile(dir_.file("old.PS")), "old\n");
  EXPECT_EQ(korvo_test::RunCommand("ls -A " + dir_.file("folder") + "; ls " + dir_.file("") + " | grep -c -e '\\.xml$' -e part",
                                   &out, true),
            0);
  EXPECT_EQ(out, "2\n");
}

}  // namespace

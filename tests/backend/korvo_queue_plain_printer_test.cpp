// A Korvo queue in front of a printer that knows only PDF: the job ticket cannot go with the
// job, and once the printer is off the queue keeps its jobs.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "backend/queue_test.h"
#include "host/korvo_pde_runner.h"

namespace {

using host_test::ExpectHas;

class KorvoQueueOnAPlainPrinter : public backend_test::QueueTest {
 protected:
  static void SetUpTestSuite() { Start(""); }
};

TEST_F(KorvoQueueOnAPlainPrinter, TheJobPrintsWithItsAttributesAndOneWarningForTheTicket) {
  const std::string session = dir_.file("job.plist");
  std::string out;
  ASSERT_EQ(Pde("show --session " + session + " > /dev/null", &out), 0) << out;
  ASSERT_EQ(Pde("print --session " + session + " --queue Korvo " + Document("plain.pdf"), &out), 0) << out;
  EXPECT_NE(cups_->printerJob("plain.pdf"), "");
  EXPECT_EQ(cups_->spoolFile("plain.pdf"), korvo_test::ReadFile(korvo_test::DataPath("host/one_page.pdf")));
  const std::string log = cups_->errorLog();
  // One warning line of the job in the log.
  const std::string warning =
      "] ipp://127.0.0.1:8631/ipp/print takes no job ticket "
      "(application/vnd.korvo-jtkt+xml is not among its document formats)";
  ASSERT_NE(log.find(warning), std::string::npos) << log;
  EXPECT_EQ(log.find(warning), log.rfind(warning));
}

TEST_F(KorvoQueueOnAPlainPrinter, AStoppedPrinterLeavesTheJobQueuedWithTheReasonShown) {
  cups_->stopPrinter();
  std::string out;
  ASSERT_EQ(cups_->run("lp -d Korvo " + Document("later.pdf"), &out), 0) << out;
  // The backend tries once and hands the job back for a later try.
  std::string printers;
  for (int i = 0; i < 100 && printers.find("cannot connect") == std::string::npos; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    cups_->run("lpstat -p Korvo", &printers);
  }
  ExpectHas(printers, {"printer Korvo", "cannot connect to the printer"});
  EXPECT_EQ(cups_->run("lpstat -o Korvo", &out), 0);
  EXPECT_NE(out.find("Korvo-"), std::string::npos) << out;
  EXPECT_NE(cups_->errorLog().find("returned status 6 (retry job later)"), std::string::npos);
}

}  // namespace

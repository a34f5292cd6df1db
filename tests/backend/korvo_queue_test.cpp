// A Korvo queue on a private cupsd (tests/support/private_cups.sh) in front of a production
// printer that takes job tickets: what a job given to the queue -- by lp with the printer's
// options, or by korvo-pde with a session's settings -- is when it reaches the printer.
#include <gtest/gtest.h>

#include "backend/queue_test.h"
#include "host/full_session.h"
#include "host/korvo_pde_runner.h"

namespace {

using host_test::ExpectHas;

class KorvoQueue : public backend_test::QueueTest {
 protected:
  static void SetUpTestSuite() {
    std::string conf = korvo_test::ReadFile(korvo_test::DataPath("host/ipp_production_printer.conf"));
    conf.replace(0, conf.find('\n'),
                 "ATTR mimeMediaType document-format-supported application/pdf,application/vnd.korvo-jtkt+xml");
    Start(conf);
  }

  // The session of every setting korvo-pde sends, its finishing a template the printer has.
  std::string FullSession() {
    const std::string session = dir_.file("full.plist");
    std::string out;
    EXPECT_EQ(Pde("show --session " + session, &out), 0) << out;
    EXPECT_EQ(host_test::FillFullSession(session, &out, {"backend/template_finishing.py"}), 0) << out;
    return session;
  }
};

TEST_F(KorvoQueue, OptionsOfLpReachThePrinterAsTheirAttributes) {
  const std::pair<const char*, std::vector<std::string>> jobs[] = {
      {"-o StapleLocation=SinglePortrait", {"finishings (enum) = staple-top-left"}},
      {"-o PageSize=A4 -o MediaColor=Blue -o InputSlot=Tray2 -o Duplex=DuplexNoTumble -o KVPunch=2HolePunch",
       {"media-col (collection) = {media-size={x-dimension=21000 y-dimension=29700} media-color=blue media-source=tray-2}",
        "sides (keyword) = two-sided-long-edge", "finishings (enum) = punch-dual-left"}}};
  for (const auto& [options, attributes] : jobs) {
    const std::string name = std::string(options).substr(3, 9) + ".pdf";
    std::string out;
    ASSERT_EQ(cups_->run("lp -d Korvo " + std::string(options) + " " + Document(name), &out), 0) << out;
    ExpectHas(cups_->printerJob(name), attributes);
  }
}

TEST_F(KorvoQueue, KorvoPdeSendsEverySettingTheDocumentAndTheTicket) {
  const std::string session = FullSession();
  const std::string document = Document("full.pdf");
  std::string out;
  ASSERT_EQ(Pde("print --session " + session + " --queue Korvo " + document, &out), 0) << out;
  EXPECT_TRUE(out.starts_with("request id is Korvo-")) << out;
  const std::string job = cups_->printerJob("full.pdf");
  // All that a printer of its own is sent, but the finishing, a template here.
  for (const std::string attribute : host_test::kFullJobAttributes)
    if (!attribute.starts_with("finishings ")) ExpectHas(job, {attribute});
  ExpectHas(job, {"finishings-col (collection) = {finishing-template=Ring & Wire}"});
  // The document as it was, byte for byte, and the ticket as the module exports it.
  EXPECT_EQ(cups_->spoolFile("full.pdf"), korvo_test::ReadFile(document));
  ASSERT_EQ(Pde("export --session " + session + " -o " + dir_.file("ticket.xml"), &out), 0) << out;
  EXPECT_EQ(cups_->spoolFile("full.pdf (job ticket)"), korvo_test::ReadFile(dir_.file("ticket.xml")));
  // The printer was still printing the document when the ticket came: the ticket waited for it.
  EXPECT_NE(cups_->errorLog().find("] the printer is busy; the job ticket waits for it\n"), std::string::npos);
}

TEST_F(KorvoQueue, AnAttributeThePrinterLacksIsAWarningInTheLogAndTheJobPrints) {
  std::string out;
  // The production printer has no output bins.
  ASSERT_EQ(cups_->run("lp -d Korvo -o OutputBin=Stacker " + Document("binned.pdf"), &out), 0) << out;
  EXPECT_NE(cups_->printerJob("binned.pdf"), "");
  EXPECT_NE(cups_->errorLog().find("] output-bin: the printer does not support output-bin; it is not sent\n"),
            std::string::npos);
}

}  // namespace

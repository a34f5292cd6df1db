// korvo-pde stocks against a real IPP printer, and the plug-in's worker through whole dialogs.
#include <gtest/gtest.h>

#include <chrono>

#include "host/print_dialog.h"
#include "platform/tasks/run_loop.h"
#include "stocklibrary/printer_stock_status.h"
#include "host/korvo_pde_runner.h"
#include "support/ipp_test_printer.h"
#include "support/test_support.h"

namespace {

using Clock = std::chrono::steady_clock;

using host_test::RunPde;

class StocksCommand : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string error;
    printer_ = korvo_test::IppTestPrinter::start(
        {korvo_test::MakeMediaCol("a4-glossy", 21000, 29700, "photographic-glossy", "", 200),
         korvo_test::MakeMediaCol("blue-letter", 21590, 27940, "stationery", "blue", 90)},
        &error);
    ASSERT_TRUE(printer_) << error;
  }
  static void TearDownTestSuite() { printer_.reset(); }
  static inline std::unique_ptr<korvo_test::IppTestPrinter> printer_;
};

TEST_F(StocksCommand, ListsWhatThePrinterNamedOrInTheSessionHoldsOneStockALine) {
  ASSERT_TRUE(printer_);
  std::string out;
  ASSERT_EQ(RunPde("stocks --uri " + printer_->uri(), &out), 0) << out;
  EXPECT_EQ(out,
            "\"a4-glossy\" = {\"CustomName\" = \"a4-glossy\"; \"CustomType\" = \"photographic-glossy\"; "
            "\"Size\" = 4; \"Type\" = 7; \"Weight\" = 200}\n"
            "\"blue-letter\" = {\"Color\" = 2; \"CustomName\" = \"blue-letter\"; \"Size\" = 204; \"Type\" = 1; "
            "\"Weight\" = 90}\n");

  // The printer can come from the session file.
  korvo_test::TempDir dir;
  const std::string session = dir.file("s.plist");
  std::string fromSession;
  ASSERT_EQ(host_test::RunPython("plistlib.dump({\"Printer\": {\"DeviceURI\": sys.argv[2]}}, open(sys.argv[1],\"wb\"))",
                                 session + " " + printer_->uri(), &fromSession), 0)
      << fromSession;
  ASSERT_EQ(RunPde("stocks --session " + session, &fromSession), 0) << fromSession;
  EXPECT_EQ(fromSession, out);
}

TEST(StocksCommandFailures, AnUnreachablePrinterIsOneLineAndExitOneQuickly) {
  const std::string uri = "ipp://127.0.0.1:" + std::to_string(korvo_test::FreeLoopbackPort()) + "/ipp/print";
  std::string out;
  const auto start = Clock::now();
  EXPECT_EQ(RunPde("stocks --uri " + uri + " 2>&1", &out), 1) << out;
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(10));
  EXPECT_TRUE(out.starts_with("ERROR: http://127.0.0.1:")) << out;
  EXPECT_TRUE(host_test::IsOneErrorLine(out, "cannot connect to the printer"));

  EXPECT_EQ(RunPde("stocks --uri file:///tmp/x 2>&1", &out), 1) << out;
  EXPECT_NE(out.find("file:///tmp/x"), std::string::npos) << out;
  EXPECT_EQ(RunPde("stocks 2>&1", &out), 2) << out;
}

// The whole dialog, as the print dialog drives it, with the worker fetching in between. (A dialog
// ended while its worker waits is the worker's tests', tests/stocklibrary.)
struct Dialog {
  explicit Dialog(const std::string& uri) {
    auto loaded = korvo_host::PrintDialog::load(korvo_test::BundlePath());
    EXPECT_TRUE(loaded) << loaded.error();
    pde = loaded.take();
    session.printer().deviceURI = uri;
    session.printer().ppdPath = korvo_test::SamplePPDPath();
    pde->prologue();
    EXPECT_EQ(pde->initialize(session), platform::noErr);
    pde->open();
  }
  korvo_host::PrintDialog::StockReport report() { return *pde->printerStockReport(); }
  bool pumpUntilSettled() {
    return platform::RunLoop::main().runUntil(Clock::now() + std::chrono::seconds(15), [&] {
      const std::int32_t s = report().status;
      return s == kPrinterStockFinished || s == kPrinterStockFailed;
    });
  }
  platform::PrintSession session;
  std::unique_ptr<korvo_host::PrintDialog> pde;
};

TEST_F(StocksCommand, TwoDialogsOneAfterTheOtherShareNothing) {
  ASSERT_TRUE(printer_);
  {
    Dialog first(printer_->uri());
    ASSERT_TRUE(first.pumpUntilSettled());
    EXPECT_EQ(first.report().status, kPrinterStockFinished);
    const std::string lines = first.report().lines;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 2);
    first.pde->close();
    first.pde->terminate();
  }
  {
    Dialog second("file:///tmp/out.prn");  // no printer to ask: nothing of the first printer shows
    EXPECT_EQ(second.report().status, kPrinterStockNoWorker);
    EXPECT_EQ(second.report().lines, "");
  }
  Dialog third(printer_->uri());
  ASSERT_TRUE(third.pumpUntilSettled());
  EXPECT_EQ(third.report().status, kPrinterStockFinished);
}

}  // namespace

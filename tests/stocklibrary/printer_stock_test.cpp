// The printer's stock library fetched from a real IPP printer (ippeveprinter on loopback) by
// the worker task, with results coming back on the main run loop.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/tasks/run_loop.h"
#include "stocklibrary/printer_stock_library.h"
#include "stocklibrary/printer_stock_request.h"
#include "support/ipp_test_printer.h"

namespace {

using Clock = std::chrono::steady_clock;
using korvo_test::IppTestPrinter;
using korvo_test::MakeMediaCol;
using korvo_test::MediaCol;
namespace ui = platform::ui;

constexpr const char* kBundle = "com.korvo.test";

// A window that counts the status events it receives.
struct EventWindow {
  explicit EventWindow(PrinterStockLibrary& library) {
    handler = window.installHandler({{ui::kEventClassKPDE, kEventPrinterStockResults},
                                     {ui::kEventClassKPDE, kEventPrinterStockWake}},
                                    [this, &library](ui::Event& e) {
                                      ++(e.kind == kEventPrinterStockResults ? results : wakes);
                                      RebuildPrinterStockLibrary(library);
                                      return platform::noErr;
                                    });
  }
  ui::Window window{"Print", ui::Rect{0, 0, 100, 100}};
  ui::EventHandlerRef handler;
  int results = 0, wakes = 0;
};

// Pumps the main run loop until the library's retrieval settles (or 15 s pass).
bool PumpUntilSettled(const PrinterStockLibrary& lib) {
  return platform::RunLoop::main().runUntil(Clock::now() + std::chrono::seconds(15), [&lib] {
    return lib.biDiStatus == kPrinterStockFailed || lib.biDiStatus == kPrinterStockFinished;
  });
}

// One printer per suite: it is started once and stopped when the suite ends, whatever happened.
class PrinterStockTest : public ::testing::Test {
 protected:
  static std::unique_ptr<IppTestPrinter> StartPrinter(const std::vector<MediaCol>& database) {
    std::string error;
    auto printer = IppTestPrinter::start(database, &error);
    EXPECT_TRUE(printer) << error;
    return printer;
  }
  void TearDown() override { EndPrinterStockWorker(lib); }
  PrinterStockLibrary lib;  // the dialog's
  EventWindow events_{lib};
};

class MixedPrinter : public PrinterStockTest {
 protected:
  static void SetUpTestSuite() {
    printer_ = StartPrinter({
        MediaCol{"{MEMBER keyword media-key \"tabs\" MEMBER name media-description \"Tabs, 5 a set\""
                 " MEMBER keyword media-type \"pre-cut-tabs\" MEMBER integer media-order-count 5"
                 " MEMBER keyword media-color \"mauve\" MEMBER integer media-hole-count 3"
                 " MEMBER integer media-weight-metric 160 MEMBER keyword media-front-coating \"glossy\""
                 " MEMBER text media-info \"Load face down\""
                 " MEMBER collection media-size {MEMBER integer x-dimension 21500 MEMBER integer y-dimension 28000}}"},
        MediaCol{"{MEMBER keyword media-key \"bare\"}"},
        MediaCol{"{MEMBER keyword media-key \"film\" MEMBER keyword media-type \"transparency\""
                 " MEMBER keyword media-color \"blue\" MEMBER integer media-hole-count 1"
                 " MEMBER keyword media-front-coating \"none\" MEMBER keyword media-back-coating \"none\"}"},
        MediaCol{"{MEMBER keyword media-key \"roll\" MEMBER rangeOfInteger media-weight-metric 60-300"
                 " MEMBER collection media-size {MEMBER rangeOfInteger x-dimension 10000-30000"
                 " MEMBER integer y-dimension 29700}}"},
    });
  }
  static void TearDownTestSuite() { printer_.reset(); }
  static inline std::unique_ptr<IppTestPrinter> printer_;
};

TEST_F(MixedPrinter, EveryMemberGivenIsAppliedAndNoOtherAndRangesAreRefused) {
  ASSERT_TRUE(printer_);
  ASSERT_TRUE(StartPrinterStockWorker(lib, kBundle, printer_->uri(), &events_.window));
  ASSERT_TRUE(PumpUntilSettled(lib));
  ASSERT_EQ(lib.biDiStatus, kPrinterStockFinished) << lib.lastError;
  ASSERT_TRUE(lib.listParams);
  const std::vector<Stock>& stocks = *lib.listParams;
  ASSERT_EQ(stocks.size(), 4u);

  // Each stock as a ticket: the members the printer gave and nothing else. Letter is matched
  // within 5 points; a transparency is clear whatever the printer said; a coating stated on one
  // side only counts; ranges are not read as numbers.
  using platform::PlistDict;
  EXPECT_EQ(stocks[0].asTicket(),
            (PlistDict{{"Size", 204}, {"Type", 4}, {"Modulus", 5}, {"Color", 10}, {"CustomColor", "mauve"},
                       {"Weight", 160}, {"Punched", 2}, {"Description", "Tabs, 5 a set"}, {"SidesCoated", 2},
                       {"kCoatingType", 1}, {"CustomName", "tabs"}, {"CustomComment", "Load face down"}}));
  EXPECT_EQ(stocks[1].asTicket(), (PlistDict{{"Type", kPrinterDefault}, {"CustomName", "bare"}}));
  EXPECT_EQ(stocks[1].coatingType(), kPrinterDefault);  // no coating stated
  EXPECT_EQ(stocks[2].asTicket(), (PlistDict{{"Type", 2}, {"Color", 6}, {"SidesCoated", 1},
                                             {"kCoatingType", kPrinterDefault}, {"CustomName", "film"}}));
  EXPECT_EQ(stocks[3].asTicket(), (PlistDict{{"Type", kPrinterDefault}, {"CustomName", "roll"}}));

  // The shell's event rebuilt the printer's library: one entry per stock, named by it.
  EXPECT_EQ(events_.results, 1);
  ASSERT_TRUE(lib.libraryList);
  EXPECT_TRUE(lib.libraryList->memoryOnly());
  EXPECT_EQ(lib.libraryList->stockList().size(), 4u);
  EXPECT_TRUE(lib.libraryList->isDuplicate("FILM"));
}

TEST_F(MixedPrinter, AServerStoppedMidTestFailsAndKeepsThePreviousList) {
  ASSERT_TRUE(printer_);
  ASSERT_TRUE(StartPrinterStockWorker(lib, kBundle, printer_->uri(), &events_.window));
  ASSERT_TRUE(PumpUntilSettled(lib));
  ASSERT_EQ(lib.biDiStatus, kPrinterStockFinished);

  // The dialog asks for the current result (206): answered after asking the status (207).
  SendMessageToThread(lib, kReportStatusMessage);
  platform::RunLoop::main().runUntil(Clock::now() + std::chrono::seconds(5), [&] { return events_.results == 2; });
  EXPECT_EQ(events_.results, 2);
  EXPECT_EQ(events_.wakes, 1);

  printer_->stopPrinter();
  lib.biDiStatus = kPrinterStockRetrieving;
  SendMessageToThread(lib, kRetrieveMessage);  // the dialog's retry
  ASSERT_TRUE(PumpUntilSettled(lib));
  EXPECT_EQ(lib.biDiStatus, kPrinterStockFailed);
  EXPECT_NE(lib.lastError.find(printer_->uri().substr(6, 15)), std::string::npos) << lib.lastError;
  ASSERT_TRUE(lib.listParams);
  EXPECT_EQ(lib.listParams->size(), 4u);
  printer_.reset();  // the printer was stopped: start afresh for any later test
  printer_ = StartPrinter({MakeMediaCol("a4", 21000, 29700)});
}

// The printer is asked at its root whatever queue the device URI names, and a window showing its
// papers asks by the status: again after a failure, the result again (two seconds on) after a success.
TEST_F(MixedPrinter, TheRequestGoesToTheRootAndAWindowAsksAgainAfterAFailure) {
  ASSERT_TRUE(printer_);
  ASSERT_TRUE(StartPrinterStockWorker(lib, kBundle, "ipp://127.0.0.1:" + std::to_string(printer_->port()) + "/printers/x",
                                      &events_.window));
  ASSERT_TRUE(PumpUntilSettled(lib));
  ASSERT_EQ(lib.biDiStatus, kPrinterStockFinished) << lib.lastError;
  lib.biDiStatus = kPrinterStockFailed;
  lib.listParams.reset();
  AskForPrinterStocks(lib, {});
  EXPECT_EQ(lib.biDiStatus, kPrinterStockRetrieving);
  ASSERT_TRUE(PumpUntilSettled(lib));
  EXPECT_EQ(lib.biDiStatus, kPrinterStockFinished) << lib.lastError;
  ASSERT_TRUE(lib.listParams);
  const int results = events_.results;
  AskForPrinterStocks(lib, {});
  platform::RunLoop::main().runUntil(Clock::now() + std::chrono::seconds(5), [&] { return events_.results > results; });
  EXPECT_EQ(events_.results, results + 1);
  EXPECT_EQ(lib.biDiStatus, kPrinterStockFinished);
}

class ManyStocksPrinter : public PrinterStockTest {
 protected:
  static void SetUpTestSuite() {
    std::vector<MediaCol> database;
    for (int i = 0; i < 500; ++i)
      database.push_back(MakeMediaCol("stock-" + std::to_string(i), 20000 + i, 29700, "stationery", "white", 80));
    printer_ = StartPrinter(database);
    empty_ = StartPrinter({});
  }
  static void TearDownTestSuite() {
    printer_.reset();
    empty_.reset();
  }
  static inline std::unique_ptr<IppTestPrinter> printer_, empty_;
};

TEST_F(ManyStocksPrinter, FiveHundredStocksInAnswerOrder) {
  ASSERT_TRUE(printer_);
  ASSERT_TRUE(StartPrinterStockWorker(lib, kBundle, printer_->uri(), &events_.window));
  ASSERT_TRUE(PumpUntilSettled(lib));
  ASSERT_EQ(lib.biDiStatus, kPrinterStockFinished) << lib.lastError;
  ASSERT_EQ(lib.listParams->size(), 500u);
  for (int i = 0; i < 500; ++i) EXPECT_EQ((*lib.listParams)[static_cast<std::size_t>(i)].customName(), "stock-" + std::to_string(i));
  EXPECT_EQ(lib.libraryList->stockList().size(), 500u);
}

// (The worker asks the printer's root, which answers; the request itself is asked of a queue the
// printer does not have.)
TEST_F(ManyStocksPrinter, AnErrorStatusIsAFailureNotAnEmptySuccess) {
  ASSERT_TRUE(empty_);
  const std::string wrongQueue = "http://127.0.0.1:" + std::to_string(empty_->port()) + "/ipp/nothing";
  std::vector<Stock> stocks;
  std::string error;
  EXPECT_NE(RetrievePrinterStockLibrary(wrongQueue, stocks, error, {}), platform::noErr);
  EXPECT_TRUE(stocks.empty());
  EXPECT_NE(error.find("not-found"), std::string::npos) << error;
}

TEST_F(ManyStocksPrinter, ANewWorkerDropsWhatTheOldOneHadToSay) {
  ASSERT_TRUE(printer_ && empty_);
  ASSERT_TRUE(StartPrinterStockWorker(lib, kBundle, printer_->uri(), &events_.window));
  // The first worker's answer may already be on its way; a second dialog starts before it lands.
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EventWindow second{lib};
  ASSERT_TRUE(StartPrinterStockWorker(lib, kBundle, empty_->uri(), &second.window));
  ASSERT_TRUE(PumpUntilSettled(lib));
  platform::RunLoop::main().runPending();
  EXPECT_EQ(events_.results, 0);
  EXPECT_EQ(second.results, 1);
  EXPECT_EQ(lib.biDiStatus, kPrinterStockFinished) << lib.lastError;  // a printer without media
  ASSERT_TRUE(lib.listParams);
  EXPECT_TRUE(lib.listParams->empty());
}

TEST(PrinterStockWorker, EndingTheDialogWhileTheWorkerWaitsIsQuick) {
  std::string error;
  const auto silent = korvo_test::FakePrinter::start("silent", &error);
  ASSERT_TRUE(silent) << error;
  PrinterStockLibrary lib;
  EventWindow events{lib};
  ASSERT_TRUE(StartPrinterStockWorker(lib, kBundle, silent->uri(), &events.window));
  // Let the worker announce itself and start its request, which will not be answered.
  platform::RunLoop::main().runUntil(Clock::now() + std::chrono::milliseconds(500));
  EXPECT_EQ(lib.biDiStatus, kPrinterStockRetrieving);
  MyRemoveThread(lib);  // Close
  const auto start = Clock::now();
  EndPrinterStockWorker(lib);  // Terminate: joins the worker
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
  EXPECT_EQ(lib.biDiStatus, kPrinterStockNoWorker);
  platform::RunLoop::main().runPending();
  EXPECT_EQ(events.results, 0);
}

}  // namespace

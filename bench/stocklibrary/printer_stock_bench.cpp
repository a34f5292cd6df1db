// Fetching a printer's 500 stocks from ippeveprinter on loopback, beside ipptool sending the same
// request to the same server, and beside the bare libcups request our fetch stands on. Times are
// wall-clock: the server and ipptool work in other processes.
#include <benchmark/benchmark.h>
#include <cups/cups.h>

#include <chrono>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "platform/tasks/run_loop.h"
#include "platform/ui/window.h"
#include "stocklibrary/printer_address.h"
#include "stocklibrary/printer_stock_library.h"
#include "stocklibrary/printer_stock_request.h"
#include "support/ipp_test_printer.h"
#include "support/recording_reporter.h"

namespace {

constexpr int kStocks = 500;
korvo_test::IppTestPrinter* gPrinter = nullptr;
std::string gTestFile;

// The request of printer_stock_request.cpp, in ipptool's language.
constexpr const char* kIpptoolRequest = R"({
OPERATION Get-Printer-Attributes
GROUP operation-attributes-tag
ATTR charset attributes-charset utf-8
ATTR naturalLanguage attributes-natural-language en
ATTR uri printer-uri $uri
ATTR mimeMediaType document-format application/octet-stream
ATTR keyword requested-attributes media-col-database
STATUS successful-ok
}
)";

// The whole fetch as the dialog makes it: a worker started, the run loop pumped until the
// stocks are in, the worker ended.
void BM_FetchStocksThroughWorker(benchmark::State& state) {
  platform::ui::Window window("Print", platform::ui::Rect{0, 0, 10, 10});
  PrinterStockLibrary library;
  for (auto _ : state) {
    StartPrinterStockWorker(library, "com.korvo.bench", gPrinter->uri(), &window);
    platform::RunLoop::main().runUntil(std::chrono::steady_clock::now() + std::chrono::seconds(10), [&library] {
      return library.biDiStatus == kPrinterStockFinished || library.biDiStatus == kPrinterStockFailed;
    });
    if (!library.listParams || library.listParams->size() != kStocks) state.SkipWithError("fetch failed");
    EndPrinterStockWorker(library);
  }
}
BENCHMARK(BM_FetchStocksThroughWorker)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same request and conversion on this thread, without the worker and its messages.
void BM_RetrieveOnThisThread(benchmark::State& state) {
  const std::string uri = PrinterURIForAddress(*PrinterAddressFromDeviceURI(gPrinter->uri()));
  for (auto _ : state) {
    std::vector<Stock> stocks;
    std::string error;
    if (RetrievePrinterStockLibrary(uri, stocks, error) != platform::noErr || stocks.size() != kStocks)
      state.SkipWithError(error.c_str());
  }
}
BENCHMARK(BM_RetrieveOnThisThread)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_IpptoolSameRequest(benchmark::State& state) {
  const std::string command = "ipptool -q " + gPrinter->uri() + " " + gTestFile;
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError("ipptool failed");
}
BENCHMARK(BM_IpptoolSameRequest)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor inside our process: connect, send the same request, read the reply, no conversion.
void BM_BareLibcupsRequest(benchmark::State& state) {
  const auto address = PrinterAddressFromDeviceURI(gPrinter->uri());
  const std::string uri = PrinterURIForAddress(*address);
  for (auto _ : state) {
    http_t* http = httpConnect2(address->host.c_str(), address->port, nullptr, AF_UNSPEC, HTTP_ENCRYPTION_IF_REQUESTED,
                                1, 5000, nullptr);
    ipp_t* reply = cupsDoRequest(http, NewMediaColDatabaseRequest(uri).release(), address->resource.c_str());
    if (reply == nullptr) state.SkipWithError("no reply");
    ippDelete(reply);
    httpClose(http);
  }
}
BENCHMARK(BM_BareLibcupsRequest)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  std::vector<korvo_test::MediaCol> database;
  for (int i = 0; i < kStocks; ++i)
    database.push_back(korvo_test::MakeMediaCol("stock-" + std::to_string(i), 20000 + i, 29700, "stationery", "white", 80));
  std::string error;
  auto printer = korvo_test::IppTestPrinter::start(database, &error);
  if (!printer) {
    std::fprintf(stderr, "no test printer: %s\n", error.c_str());
    return 1;
  }
  gPrinter = printer.get();
  char path[] = "/tmp/korvo-bench-XXXXXX.test";
  const int fd = ::mkstemps(path, 5);
  if (fd < 0) return 1;
  ::close(fd);
  gTestFile = path;
  std::ofstream(gTestFile) << kIpptoolRequest;

  korvo_bench::RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.printRealTimeRatio("fetch 500 stocks / ipptool, same request", "BM_FetchStocksThroughWorker/real_time",
                              "BM_IpptoolSameRequest/real_time");
  reporter.printRealTimeRatio("fetch 500 stocks / bare libcups request", "BM_FetchStocksThroughWorker/real_time",
                              "BM_BareLibcupsRequest/real_time");
  benchmark::Shutdown();
  std::remove(path);
  return 0;
}

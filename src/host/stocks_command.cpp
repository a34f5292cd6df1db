#include "host/stocks_command.h"

#include "stocklibrary/stock_library.h"

#include <chrono>

#include "host/dialog_session.h"
#include "host/host_paths.h"
#include "platform/system/message_text.h"
#include "platform/system/uri_text.h"
#include "platform/tasks/run_loop.h"

namespace korvo_host {

namespace {

// Longer than the worker's own limits (its connection and reply time-outs), so that it is the
// worker that reports a silent printer; this only guards against a worker that never answers.
constexpr auto kStockFetchDeadline = std::chrono::seconds(30);

bool Settled(std::int32_t status) { return status == kPrinterStockFailed || status == kPrinterStockFinished; }

}  // namespace

int RunStocksCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
  const std::string bundlePath = line.bundlePath.value_or(DefaultBundlePath());
  auto session = OpenSessionFile(line, err);
  if (!session) return kExitUserError;
  if (line.deviceURI) session->printer().deviceURI = *line.deviceURI;
  const std::string uri = session->printer().deviceURI;
  if (uri.empty()) {
    err << "ERROR: " << platform::OneLineText(line.sessionPath.value_or("the session")) << ": no device URI; give one with --uri\n";
    return kExitUserError;
  }
  std::unique_ptr<PrintDialog> dialog = OpenDialogOnSession(line, bundlePath, *session, err);
  if (!dialog) return kExitUserError;
  PrintDialog& pde = *dialog;

  PrintDialog::StockReport report;
  std::string failure;
  platform::RunLoop::main().runUntil(std::chrono::steady_clock::now() + kStockFetchDeadline, [&] {
    auto now = pde.printerStockReport();
    if (!now) failure = now.error();
    else report = *now;
    return !now || Settled(report.status) || report.status == kPrinterStockNoWorker;
  });
  pde.close();
  pde.terminate();

  if (!failure.empty()) {
    err << "ERROR: " << platform::OneLineText(failure) << "\n";
    return kExitUserError;
  }
  switch (report.status) {
    case kPrinterStockFinished:
      out << report.lines;
      return kExitOK;
    case kPrinterStockFailed:
      err << "ERROR: " << platform::OneLineText(report.error) << "\n";
      return kExitUserError;
    case kPrinterStockNoWorker:
      if (std::optional<std::string> tooLong = IppURITooLong(uri)) {
        err << "ERROR: " << *tooLong << "\n";
        return kExitUserError;
      }
      err << "ERROR: " << platform::OneLineText(platform::URIForMessages(uri)) << ": not the address of a printer that can be asked for its stocks\n";
      return kExitUserError;
    default:
      err << "ERROR: " << platform::OneLineText(platform::URIForMessages(uri)) << ": the printer did not answer in time\n";
      return kExitUserError;
  }
}

}  // namespace korvo_host

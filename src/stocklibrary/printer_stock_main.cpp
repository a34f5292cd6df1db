// The main thread's side of the printer stock library: the status word, the port the worker
// answers to, and the events sent to the window.
#include <unistd.h>

#include <cstring>
#include <map>
#include <vector>

#include "platform/system/new_uuid.h"
#include "platform/tasks/worker_task.h"
#include "platform/ui/event.h"
#include "stocklibrary/printer_address.h"
#include "stocklibrary/printer_stock_library.h"
#include "stocklibrary/printer_stock_worker.h"

namespace ui = platform::ui;

// The spawn parameters and the connection to the worker. Each worker has a generation; anything
// that comes from a worker of another generation is dropped.
struct PrinterStockLibrary::Connection {
  std::unique_ptr<platform::LocalMessagePort> port;
  std::unique_ptr<platform::WorkerTask> task;
  std::string workerPort;  // empty until the worker has announced itself
  std::string printerURI;
  ui::Window* window = nullptr;
  std::uint32_t generation = 0;
  std::map<std::uint32_t, ui::Window*> windows;  // tokens given to windows that send messages
  std::uint32_t nextToken = 1;
};

PrinterStockLibrary::PrinterStockLibrary() = default;
PrinterStockLibrary::~PrinterStockLibrary() { EndPrinterStockWorker(*this); }

namespace {

constexpr std::size_t kMaxAddressBytes = 1023;

PrinterStockLibrary::Connection& Main(PrinterStockLibrary& library) {
  if (!library.connection) library.connection = std::make_unique<PrinterStockLibrary::Connection>();
  return *library.connection;
}

platform::MessageData TokenBytes(std::uint32_t token) {
  platform::MessageData data(sizeof token);
  std::memcpy(data.data(), &token, sizeof token);
  return data;
}

// The window of the token in data, else the spawn window.
ui::Window* WindowFor(const PrinterStockLibrary::Connection& side, const platform::MessageData& data) {
  if (data.size() == sizeof(std::uint32_t)) {
    std::uint32_t token = 0;
    std::memcpy(&token, data.data(), sizeof token);
    if (auto it = side.windows.find(token); it != side.windows.end()) return it->second;
  }
  return side.window;
}

void SendStatusEvent(const PrinterStockLibrary::Connection& side, std::uint32_t kind,
                     const platform::MessageData& data) {
  ui::Window* window = WindowFor(side, data);
  std::vector<ui::Window*> targets;
  if (window != nullptr) targets.push_back(window);
  // What no window asked for by its token (the retrieval the spawn started) also reaches every
  // window waiting for the printer's stocks: one opened before the worker could take messages.
  if (data.size() != sizeof(std::uint32_t))
    for (const auto& [token, registered] : side.windows)
      if (registered != window) targets.push_back(registered);
  for (ui::Window* target : targets) {
    ui::Event event(ui::kEventClassKPDE, kind);
    ui::SendEventToEventTarget(event, target);
  }
}

std::optional<platform::MessageData> MainThreadResponseHandler(PrinterStockLibrary& library, std::uint32_t generation,
                                                               platform::PortMessage& message) {
  PrinterStockLibrary::Connection& side = Main(library);
  if (generation != side.generation) return std::nullopt;  // an earlier dialog's worker
  switch (message.id) {
    case kWorkerReadyMessage:
      side.workerPort.assign(message.data.begin(), message.data.end());
      if (platform::SendPortMessage(side.workerPort, {kRetrieveMessage, {}, {}}) == platform::PortSendStatus::kSent)
        library.biDiStatus = kPrinterStockRetrieving;
      break;
    case kAddressRequestMessage: {
      const std::size_t n = std::min(side.printerURI.size(), kMaxAddressBytes);
      return platform::MessageData(side.printerURI.begin(), side.printerURI.begin() + static_cast<std::ptrdiff_t>(n));
    }
    case kRetrievalFailedMessage:
      if (auto* reason = std::any_cast<std::string>(&message.attachment)) library.lastError = std::move(*reason);
      library.biDiStatus = kPrinterStockFailed;
      SendStatusEvent(side, kEventPrinterStockResults, message.data);
      break;
    case kRetrievalFinishedMessage:
      // A new result replaces the list; a finish without one (205, 206) keeps the list there is.
      if (auto* stocks = std::any_cast<std::vector<Stock>>(&message.attachment)) {
        library.listParams = std::move(*stocks);
        library.lastError.clear();
      }
      library.biDiStatus = library.listParams ? kPrinterStockFinished : kPrinterStockFailed;
      SendStatusEvent(side, kEventPrinterStockResults, message.data);
      break;
    case kStatusRequestMessage: {
      SendStatusEvent(side, kEventPrinterStockWake, message.data);
      platform::MessageData word(sizeof library.biDiStatus);
      std::memcpy(word.data(), &library.biDiStatus, sizeof library.biDiStatus);
      return word;
    }
    case kWakeMessage:
      SendStatusEvent(side, kEventPrinterStockWake, message.data);
      break;
    default:
      break;
  }
  return std::nullopt;
}

}  // namespace

platform::OSStatus MySpawnThread(PrinterStockLibrary& library, std::string_view bundleIdentifier,
                                 const std::string& printerURI, ui::Window* window) {
  EndPrinterStockWorker(library);
  PrinterStockLibrary::Connection& side = Main(library);
  side.printerURI = printerURI;
  side.window = window;
  const std::uint32_t generation = ++side.generation;
  const std::string name = std::string(bundleIdentifier) + ".MainThread-" + std::to_string(::getpid()) + "-" +
                           platform::NewUUIDString();
  side.port = platform::LocalMessagePort::create(name, platform::RunLoop::main(),
                                                 [&library, generation](platform::PortMessage& message) {
                                                   return MainThreadResponseHandler(library, generation, message);
                                                 });
  if (!side.port) return platform::kPMInvalidPDEContext;
  // From here a worker is started: the retrieval it will ask for is as good as under way.
  library.biDiStatus = kPrinterStockRetrieving;
  side.task = std::make_unique<platform::WorkerTask>(
      [name](std::stop_token stop) { ServerThreadEntryPoint(name, std::move(stop)); });
  return platform::noErr;
}

void MyRemoveThread(PrinterStockLibrary& library) { SendMessageToThread(library, kEndWorkerMessage); }

platform::OSStatus SendMessageToThread(PrinterStockLibrary& library, std::int32_t id, platform::MessageData data) {
  if (!library.connection) return platform::noErr;
  const std::string& worker = library.connection->workerPort;
  if (!worker.empty()) platform::SendPortMessage(worker, {id, std::move(data), {}});
  return platform::noErr;
}

void AskForPrinterStocks(PrinterStockLibrary& library, const platform::MessageData& token) {
  switch (library.biDiStatus) {
    case kPrinterStockFailed:
      if (library.connection && !library.connection->workerPort.empty()) {
        SendMessageToThread(library, kRetrieveMessage, token);
        library.biDiStatus = kPrinterStockRetrieving;
      }
      break;
    case kPrinterStockRetrieving:
      SendMessageToThread(library, kReportStatusMessage, token);
      break;
    case kPrinterStockFinished:
      SendMessageToThread(library, kDelayedFinishedMessage, token);
      break;
    default:
      break;  // no worker: nobody to ask
  }
}

void EndPrinterStockWorker(PrinterStockLibrary& library) {
  PrinterStockLibrary::Connection& side = Main(library);
  side.port.reset();  // drops what the worker still had to say and answers its open requests
  MyRemoveThread(library);
  if (side.task) side.task->stopAndJoin();
  side.task.reset();
  side.workerPort.clear();
  side.printerURI.clear();
  side.window = nullptr;
  side.windows.clear();
  ++side.generation;
  library.biDiStatus = kPrinterStockNoWorker;
  library.listParams.reset();
  library.lastError.clear();
  library.libraryList.reset();
}

platform::MessageData RegisterPrinterStockWindow(PrinterStockLibrary& library, ui::Window* window) {
  PrinterStockLibrary::Connection& side = Main(library);
  const std::uint32_t token = side.nextToken++;
  side.windows[token] = window;
  return TokenBytes(token);
}

void UnregisterPrinterStockWindow(PrinterStockLibrary& library, ui::Window* window) {
  std::erase_if(Main(library).windows, [window](const auto& entry) { return entry.second == window; });
}

void RebuildPrinterStockLibrary(PrinterStockLibrary& library) {
  if (library.biDiStatus != kPrinterStockFinished || !library.listParams) return;
  auto rebuilt = std::make_unique<StockLibraryList>(true);
  for (const Stock& stock : *library.listParams) {
    StockLibrary entry;
    entry.setStock(stock);
    entry.setName(stock.customName());
    rebuilt->add(&entry);
  }
  library.libraryList = std::move(rebuilt);
}

bool StartPrinterStockWorker(PrinterStockLibrary& library, std::string_view bundleIdentifier, std::string_view deviceURI,
                             ui::Window* window) {
  std::optional<PrinterAddress> address = PrinterAddressFromDeviceURI(deviceURI);
  if (!address) return false;
  // The stock library is the printer's own, asked of the printer itself at its root, whichever
  // queue path the device URI names.
  address->resource.clear();
  return MySpawnThread(library, bundleIdentifier, PrinterURIForAddress(*address), window) == platform::noErr;
}

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

std::int32_t gPrinterStockBiDiStatus = kPrinterStockNoWorker;
std::optional<std::vector<Stock>> gPrinterStockListParams;
std::string gPrinterStockLastError;
std::unique_ptr<StockLibraryList> gPrinterStockLibraryList;

namespace {

namespace ui = platform::ui;

constexpr std::size_t kMaxAddressBytes = 1023;

// The spawn parameters and the connection to the worker. Each worker has a generation; anything
// that comes from a worker of another generation is dropped.
struct MainSide {
  std::unique_ptr<platform::LocalMessagePort> port;
  std::unique_ptr<platform::WorkerTask> task;
  std::string workerPort;  // empty until the worker has announced itself
  std::string printerURI;
  ui::Window* window = nullptr;
  std::uint32_t generation = 0;
  std::map<std::uint32_t, ui::Window*> windows;  // tokens given to windows that send messages
  std::uint32_t nextToken = 1;
};

MainSide& Main() {
  static MainSide side;
  return side;
}

platform::MessageData TokenBytes(std::uint32_t token) {
  platform::MessageData data(sizeof token);
  std::memcpy(data.data(), &token, sizeof token);
  return data;
}

// The window of the token in data, else the spawn window.
ui::Window* WindowFor(const platform::MessageData& data) {
  if (data.size() == sizeof(std::uint32_t)) {
    std::uint32_t token = 0;
    std::memcpy(&token, data.data(), sizeof token);
    if (auto it = Main().windows.find(token); it != Main().windows.end()) return it->second;
  }
  return Main().window;
}

void SendStatusEvent(std::uint32_t kind, const platform::MessageData& data) {
  ui::Window* window = WindowFor(data);
  std::vector<ui::Window*> targets;
  if (window != nullptr) targets.push_back(window);
  // What no window asked for by its token (the retrieval the spawn started) also reaches every
  // window waiting for the printer's stocks: one opened before the worker could take messages.
  if (data.size() != sizeof(std::uint32_t))
    for (const auto& [token, registered] : Main().windows)
      if (registered != window) targets.push_back(registered);
  for (ui::Window* target : targets) {
    ui::Event event(ui::kEventClassKPDE, kind);
    ui::SendEventToEventTarget(event, target);
  }
}

std::optional<platform::MessageData> MainThreadResponseHandler(std::uint32_t generation,
                                                               platform::PortMessage& message) {
  MainSide& side = Main();
  if (generation != side.generation) return std::nullopt;  // an earlier dialog's worker
  switch (message.id) {
    case kWorkerReadyMessage:
      side.workerPort.assign(message.data.begin(), message.data.end());
      if (platform::SendPortMessage(side.workerPort, {kRetrieveMessage, {}, {}}) == platform::PortSendStatus::kSent)
        gPrinterStockBiDiStatus = kPrinterStockRetrieving;
      break;
    case kAddressRequestMessage: {
      const std::size_t n = std::min(side.printerURI.size(), kMaxAddressBytes);
      return platform::MessageData(side.printerURI.begin(), side.printerURI.begin() + static_cast<std::ptrdiff_t>(n));
    }
    case kRetrievalFailedMessage:
      if (auto* reason = std::any_cast<std::string>(&message.attachment)) gPrinterStockLastError = std::move(*reason);
      gPrinterStockBiDiStatus = kPrinterStockFailed;
      SendStatusEvent(kEventPrinterStockResults, message.data);
      break;
    case kRetrievalFinishedMessage:
      // A new result replaces the list; a finish without one (205, 206) keeps the list there is.
      if (auto* stocks = std::any_cast<std::vector<Stock>>(&message.attachment)) {
        gPrinterStockListParams = std::move(*stocks);
        gPrinterStockLastError.clear();
      }
      gPrinterStockBiDiStatus = gPrinterStockListParams ? kPrinterStockFinished : kPrinterStockFailed;
      SendStatusEvent(kEventPrinterStockResults, message.data);
      break;
    case kStatusRequestMessage: {
      SendStatusEvent(kEventPrinterStockWake, message.data);
      platform::MessageData word(sizeof gPrinterStockBiDiStatus);
      std::memcpy(word.data(), &gPrinterStockBiDiStatus, sizeof gPrinterStockBiDiStatus);
      return word;
    }
    case kWakeMessage:
      SendStatusEvent(kEventPrinterStockWake, message.data);
      break;
    default:
      break;
  }
  return std::nullopt;
}

}  // namespace

platform::OSStatus MySpawnThread(std::string_view bundleIdentifier, const std::string& printerURI,
                                 ui::Window* window) {
  EndPrinterStockWorker();
  MainSide& side = Main();
  side.printerURI = printerURI;
  side.window = window;
  const std::uint32_t generation = ++side.generation;
  const std::string name = std::string(bundleIdentifier) + ".MainThread-" + std::to_string(::getpid()) + "-" +
                           platform::NewUUIDString();
  side.port = platform::LocalMessagePort::create(name, platform::RunLoop::main(),
                                                 [generation](platform::PortMessage& message) {
                                                   return MainThreadResponseHandler(generation, message);
                                                 });
  if (!side.port) return platform::kPMInvalidPDEContext;
  // From here a worker is started: the retrieval it will ask for is as good as under way.
  gPrinterStockBiDiStatus = kPrinterStockRetrieving;
  side.task = std::make_unique<platform::WorkerTask>(
      [name](std::stop_token stop) { ServerThreadEntryPoint(name, std::move(stop)); });
  return platform::noErr;
}

void MyRemoveThread() { SendMessageToThread(kEndWorkerMessage); }

platform::OSStatus SendMessageToThread(std::int32_t id, platform::MessageData data) {
  const std::string& worker = Main().workerPort;
  if (!worker.empty()) platform::SendPortMessage(worker, {id, std::move(data), {}});
  return platform::noErr;
}

void EndPrinterStockWorker() {
  MainSide& side = Main();
  side.port.reset();  // drops what the worker still had to say and answers its open requests
  MyRemoveThread();
  if (side.task) side.task->stopAndJoin();
  side.task.reset();
  side.workerPort.clear();
  side.printerURI.clear();
  side.window = nullptr;
  side.windows.clear();
  ++side.generation;
  gPrinterStockBiDiStatus = kPrinterStockNoWorker;
  gPrinterStockListParams.reset();
  gPrinterStockLastError.clear();
  gPrinterStockLibraryList.reset();
}

platform::MessageData RegisterPrinterStockWindow(ui::Window* window) {
  MainSide& side = Main();
  const std::uint32_t token = side.nextToken++;
  side.windows[token] = window;
  return TokenBytes(token);
}

void UnregisterPrinterStockWindow(ui::Window* window) {
  std::erase_if(Main().windows, [window](const auto& entry) { return entry.second == window; });
}

void RebuildPrinterStockLibrary() {
  if (gPrinterStockBiDiStatus != kPrinterStockFinished || !gPrinterStockListParams) return;
  auto library = std::make_unique<StockLibraryList>(true);
  for (const Stock& stock : *gPrinterStockListParams) {
    StockLibrary entry;
    entry.setStock(stock);
    entry.setName(stock.customName());
    library->add(&entry);
  }
  gPrinterStockLibraryList = std::move(library);
}

bool StartPrinterStockWorker(std::string_view bundleIdentifier, std::string_view deviceURI, ui::Window* window) {
  const std::optional<PrinterAddress> address = PrinterAddressFromDeviceURI(deviceURI);
  if (!address) return false;
  return MySpawnThread(bundleIdentifier, PrinterURIForAddress(*address), window) == platform::noErr;
}

// The worker task: one port, one message at a time, the IPP request done here.
#include "stocklibrary/printer_stock_worker.h"

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <vector>

#include "platform/system/new_uuid.h"
#include "platform/tasks/message_port.h"
#include "platform/tasks/run_loop.h"
#include "stocklibrary/printer_stock_library.h"
#include "stocklibrary/printer_stock_request.h"

namespace {

constexpr double kReplyTimeoutSeconds = 2.0;  // for the address (202) and the status (207)
constexpr double kDelayedFinishedSeconds = 2.0;
constexpr double kDelayedWakeSeconds = 1.0;

struct Worker {
  std::string mainPort;
  platform::RunLoop& loop;
  std::stop_token stop;
};

platform::MessageData Bytes(const std::string& text) { return platform::MessageData(text.begin(), text.end()); }

void Send(const Worker& worker, std::int32_t id, platform::MessageData data, std::any attachment = {}) {
  platform::SendPortMessage(worker.mainPort, platform::PortMessage{id, std::move(data), std::move(attachment)});
}

std::optional<platform::MessageData> Ask(const Worker& worker, std::int32_t id) {
  platform::MessageData reply;
  if (platform::SendPortRequest(worker.mainPort, platform::PortMessage{id, {}, {}}, kReplyTimeoutSeconds, &reply) !=
      platform::PortSendStatus::kSent)
    return std::nullopt;
  return reply;
}

// Waits, unless the task is asked to stop first; true when the whole time passed.
bool Pause(const Worker& worker, double seconds) {
  std::mutex lock;
  std::condition_variable_any never;
  std::unique_lock<std::mutex> guard(lock);
  never.wait_for(guard, worker.stop, std::chrono::duration<double>(seconds), [] { return false; });
  return !worker.stop.stop_requested();
}

void Retrieve(const Worker& worker, platform::MessageData data) {
  std::optional<platform::MessageData> address = Ask(worker, kAddressRequestMessage);
  if (!address) return;  // the main thread did not answer in time: the request is dropped
  std::vector<Stock> stocks;
  std::string error;
  const std::string uri(address->begin(), address->end());
  if (RetrievePrinterStockLibrary(uri, stocks, error, worker.stop) == platform::noErr)
    Send(worker, kRetrievalFinishedMessage, std::move(data), std::move(stocks));
  else
    Send(worker, kRetrievalFailedMessage, std::move(data), std::move(error));
}

std::optional<platform::MessageData> ProcessClientRequest(Worker& worker, platform::PortMessage& message) {
  switch (message.id) {
    case kRetrieveMessage:
      Retrieve(worker, std::move(message.data));
      break;
    case kEndWorkerMessage:
      worker.loop.stop();
      break;
    case kDelayedFinishedMessage:
      if (Pause(worker, kDelayedFinishedSeconds)) Send(worker, kRetrievalFinishedMessage, std::move(message.data));
      break;
    case kReportStatusMessage:
      if (auto status = Ask(worker, kStatusRequestMessage); status && status->size() == sizeof(std::int32_t)) {
        std::int32_t word = 0;
        std::memcpy(&word, status->data(), sizeof word);
        Send(worker, word == kPrinterStockFailed ? kRetrievalFailedMessage : kRetrievalFinishedMessage,
             std::move(message.data));
      }
      break;
    case kDelayedWakeMessage:
      if (Pause(worker, kDelayedWakeSeconds)) Send(worker, kWakeMessage, std::move(message.data));
      break;
    default:
      break;  // not a message for the worker
  }
  return std::nullopt;
}

}  // namespace

void ServerThreadEntryPoint(const std::string& mainPortName, std::stop_token stop) {
  platform::RunLoop loop;
  std::stop_callback endLoop(stop, [&loop] { loop.stop(); });
  Worker worker{mainPortName, loop, stop};
  auto port = platform::LocalMessagePort::create(
      "com.korvo.print.pde.Thread-" + platform::NewUUIDString(), loop,
      [&worker](platform::PortMessage& message) { return ProcessClientRequest(worker, message); });
  if (!port) return;
  Send(worker, kWorkerReadyMessage, Bytes(port->name()));
  if (!stop.stop_requested()) loop.run();
}

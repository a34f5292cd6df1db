#include "platform/tasks/message_port.h"

#include <algorithm>
#include <chrono>
#include <future>
#include <map>
#include <mutex>

namespace platform {

namespace {

using Reply = std::optional<MessageData>;
using ReplySlot = std::shared_ptr<std::promise<Reply>>;

}  // namespace

struct LocalMessagePort::State {
  std::mutex lock;
  bool valid = true;
  RunLoop* loop = nullptr;
  PortHandler handler;
  std::vector<ReplySlot> waiting;  // requests queued and not answered yet

  // Answers a waiting request once; later answers are ignored.
  void answer(const ReplySlot& slot, Reply reply) {
    std::lock_guard<std::mutex> guard(lock);
    auto it = std::find(waiting.begin(), waiting.end(), slot);
    if (it == waiting.end()) return;
    waiting.erase(it);
    slot->set_value(std::move(reply));
  }
};

namespace {

std::mutex gRegistryLock;
// Never destroyed: ports held by statics may go away after every other static has.
std::map<std::string, std::weak_ptr<LocalMessagePort::State>>& Registry() {
  static auto* ports = new std::map<std::string, std::weak_ptr<LocalMessagePort::State>>;
  return *ports;
}

std::shared_ptr<LocalMessagePort::State> Find(const std::string& name) {
  std::lock_guard<std::mutex> guard(gRegistryLock);
  auto it = Registry().find(name);
  return it == Registry().end() ? nullptr : it->second.lock();
}

// Queues the message on the port's loop; with a reply slot, the handler's answer fills it.
bool Post(const std::shared_ptr<LocalMessagePort::State>& state, PortMessage message, const ReplySlot& slot) {
  std::lock_guard<std::mutex> guard(state->lock);
  if (!state->valid) return false;
  if (slot) state->waiting.push_back(slot);
  auto shared = std::make_shared<PortMessage>(std::move(message));
  state->loop->post([state, shared, slot] {
    PortHandler handler;
    {
      std::lock_guard<std::mutex> inner(state->lock);
      if (!state->valid) return;  // the port went away while the message waited
      handler = state->handler;
    }
    Reply reply = handler(*shared);
    if (slot) state->answer(slot, std::move(reply));
  });
  return true;
}

}  // namespace

std::unique_ptr<LocalMessagePort> LocalMessagePort::create(const std::string& name, RunLoop& loop,
                                                           PortHandler handler) {
  auto state = std::make_shared<State>();
  state->loop = &loop;
  state->handler = std::move(handler);
  std::lock_guard<std::mutex> guard(gRegistryLock);
  auto& slot = Registry()[name];
  if (!slot.expired()) return nullptr;
  slot = state;
  return std::unique_ptr<LocalMessagePort>(new LocalMessagePort(name, std::move(state)));
}

LocalMessagePort::~LocalMessagePort() {
  {
    std::lock_guard<std::mutex> guard(gRegistryLock);
    auto it = Registry().find(name_);
    if (it != Registry().end() && it->second.lock() == state_) Registry().erase(it);
  }
  std::lock_guard<std::mutex> guard(state_->lock);
  state_->valid = false;
  for (const ReplySlot& slot : state_->waiting) slot->set_value(std::nullopt);
  state_->waiting.clear();
}

bool MessagePortExists(const std::string& name) { return Find(name) != nullptr; }

PortSendStatus SendPortMessage(const std::string& name, PortMessage message) {
  std::shared_ptr<LocalMessagePort::State> state = Find(name);
  if (!state || !Post(state, std::move(message), nullptr)) return PortSendStatus::kNoPort;
  return PortSendStatus::kSent;
}

PortSendStatus SendPortRequest(const std::string& name, PortMessage message, double replyTimeout, MessageData* reply) {
  std::shared_ptr<LocalMessagePort::State> state = Find(name);
  auto slot = std::make_shared<std::promise<Reply>>();
  std::future<Reply> answer = slot->get_future();
  if (!state || !Post(state, std::move(message), slot)) return PortSendStatus::kNoPort;
  if (answer.wait_for(std::chrono::duration<double>(replyTimeout)) != std::future_status::ready) {
    state->answer(slot, std::nullopt);  // no longer waited for
    return PortSendStatus::kReplyTimedOut;
  }
  Reply got = answer.get();
  if (!got) return PortSendStatus::kNoReply;
  if (reply) *reply = std::move(*got);
  return PortSendStatus::kSent;
}

}  // namespace platform

#pragma once
// Message ports: named mailboxes whose messages are handled on the run loop the port belongs to.
// A message is an integer identifier, data bytes and, optionally, one object handed over with it
// (moved, never shared: after sending, the sender no longer has it). A request waits for the
// handler's reply bytes. Ports are found by name from any thread; sending to a name that no port
// holds sends nothing.
#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/tasks/run_loop.h"

namespace platform {

using MessageData = std::vector<std::uint8_t>;

struct PortMessage {
  std::int32_t id = 0;
  MessageData data;
  std::any attachment;  // handed over to the handler
};

// Handles one message on the port's run loop; the reply bytes, or none for no reply.
using PortHandler = std::function<std::optional<MessageData>(PortMessage& message)>;

enum class PortSendStatus {
  kSent,            // delivered to the port's queue (and, for a request, answered)
  kNoPort,          // no port of that name: nothing was sent
  kReplyTimedOut,   // a request whose reply did not come in time
  kNoReply,         // a request the port dropped or answered with nothing (the port went away)
};

// A port owned by the code that handles it. Destroying it takes its name away, drops the
// messages still queued for it and answers every request waiting on it at once with kNoReply.
class LocalMessagePort {
 public:
  // The port, registered under name with messages handled on loop; none when the name is taken.
  static std::unique_ptr<LocalMessagePort> create(const std::string& name, RunLoop& loop, PortHandler handler);
  ~LocalMessagePort();
  LocalMessagePort(const LocalMessagePort&) = delete;
  LocalMessagePort& operator=(const LocalMessagePort&) = delete;

  const std::string& name() const { return name_; }

  struct State;

 private:
  LocalMessagePort(std::string name, std::shared_ptr<State> state) : name_(std::move(name)), state_(std::move(state)) {}
  std::string name_;
  std::shared_ptr<State> state_;
};

// True when a port of that name exists now.
bool MessagePortExists(const std::string& name);

// Queues the message for the named port. The queues have no bound, so a send never waits: the
// send time-out of the callers is met by construction.
PortSendStatus SendPortMessage(const std::string& name, PortMessage message);

// Queues the message and waits up to replyTimeout seconds for the handler's reply.
PortSendStatus SendPortRequest(const std::string& name, PortMessage message, double replyTimeout, MessageData* reply);

}  // namespace platform

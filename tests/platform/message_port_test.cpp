// Message ports and run loops: messages handled on the port's loop, in order, with replies, and
// nothing left waiting on a port that went away.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/tasks/message_port.h"
#include "platform/tasks/run_loop.h"
#include "platform/tasks/worker_task.h"

namespace {

using namespace std::chrono_literals;
using platform::MessageData;
using platform::PortMessage;
using platform::PortSendStatus;

TEST(MessagePort, MessagesRunOnTheLoopInOrderWithTheirAttachmentsAndRequestsGetReplies) {
  platform::RunLoop loop;
  std::vector<std::int32_t> seen;
  std::vector<int> received;  // an attachment is handed over, not shared
  std::thread::id handlerThread;
  auto port = platform::LocalMessagePort::create("test.port.order", loop, [&](PortMessage& m) -> std::optional<MessageData> {
    seen.push_back(m.id);
    handlerThread = std::this_thread::get_id();
    if (auto* list = std::any_cast<std::vector<int>>(&m.attachment)) received = std::move(*list);
    if (m.id == 3) return MessageData{7, 8};
    return std::nullopt;
  });
  ASSERT_TRUE(port);
  EXPECT_FALSE(platform::LocalMessagePort::create("test.port.order", loop, nullptr));  // the name is taken
  EXPECT_EQ(platform::SendPortMessage("test.port.order", {1, {}, {}}), PortSendStatus::kSent);
  EXPECT_EQ(platform::SendPortMessage("test.port.order", {2, {}, std::vector<int>{1, 2, 3}}), PortSendStatus::kSent);
  EXPECT_TRUE(seen.empty());  // nothing runs until the loop does

  MessageData reply;
  PortSendStatus status{};
  platform::WorkerTask asker([&](std::stop_token) {
    status = platform::SendPortRequest("test.port.order", {3, {}, {}}, 2.0, &reply);
  });
  loop.runUntil(std::chrono::steady_clock::now() + 2s, [&] { return seen.size() == 3; });
  asker.stopAndJoin();
  EXPECT_EQ(seen, (std::vector<std::int32_t>{1, 2, 3}));
  EXPECT_EQ(received, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(handlerThread, std::this_thread::get_id());
  EXPECT_EQ(status, PortSendStatus::kSent);
  EXPECT_EQ(reply, (MessageData{7, 8}));
}

TEST(MessagePort, NoPortNoMessageAndAPortThatGoesAwayAnswersItsWaitersAtOnce) {
  EXPECT_EQ(platform::SendPortMessage("test.port.none", {1, {}, {}}), PortSendStatus::kNoPort);
  EXPECT_FALSE(platform::MessagePortExists("test.port.none"));

  platform::RunLoop loop;  // never run: the request would wait its whole time-out
  auto port = platform::LocalMessagePort::create("test.port.gone", loop, [](PortMessage&) { return MessageData{1}; });
  PortSendStatus status{};
  auto start = std::chrono::steady_clock::now();
  platform::WorkerTask asker([&](std::stop_token) {
    status = platform::SendPortRequest("test.port.gone", {1, {}, {}}, 5.0, nullptr);
  });
  std::this_thread::sleep_for(50ms);
  port.reset();
  asker.stopAndJoin();
  EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
  EXPECT_EQ(status, PortSendStatus::kNoReply);
  EXPECT_EQ(loop.runPending(), 1);  // the queued message is dropped, not handled
}

TEST(MessagePort, ARequestNobodyAnswersTimesOut) {
  platform::RunLoop loop;
  auto port = platform::LocalMessagePort::create("test.port.slow", loop, [](PortMessage&) { return MessageData{1}; });
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(platform::SendPortRequest("test.port.slow", {1, {}, {}}, 0.1, nullptr), PortSendStatus::kReplyTimedOut);
  EXPECT_GE(std::chrono::steady_clock::now() - start, 100ms);
  loop.runPending();  // the late answer goes nowhere
}

TEST(RunLoop, StopEndsRunFromAnotherThread) {
  platform::RunLoop loop;
  int ran = 0;
  platform::WorkerTask poster([&](std::stop_token) {
    loop.post([&] { ++ran; });
    loop.post([&] { loop.stop(); });
  });
  loop.run();
  poster.stopAndJoin();
  EXPECT_EQ(ran, 1);
  EXPECT_FALSE(loop.runUntil(std::chrono::steady_clock::now() + 10ms, [] { return false; }));
}

}  // namespace

#pragma once
// A worker task: a thread that runs one entry function and is always joined, never detached, so
// nothing it does outlives its owner. The owner can ask it to stop; long operations on the worker
// poll the stop token to end early.
#include <functional>
#include <stop_token>
#include <thread>

namespace platform {

class WorkerTask {
 public:
  using Entry = std::function<void(std::stop_token)>;

  // Starts the thread running entry.
  explicit WorkerTask(Entry entry) : thread_(std::move(entry)) {}
  // Asks the task to stop and waits for it.
  ~WorkerTask() { stopAndJoin(); }
  WorkerTask(const WorkerTask&) = delete;
  WorkerTask& operator=(const WorkerTask&) = delete;

  void requestStop() { thread_.request_stop(); }
  // Asks the task to stop and waits until it has ended; harmless when it has already.
  void stopAndJoin() {
    if (!thread_.joinable()) return;
    thread_.request_stop();
    thread_.join();
  }

 private:
  std::jthread thread_;
};

}  // namespace platform

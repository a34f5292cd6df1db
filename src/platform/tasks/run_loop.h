#pragma once
// A run loop: work posted from any thread, run one item at a time, in arrival order, on the thread
// that runs the loop. The main thread's loop is the one the host pumps between the dialog's
// calls; a worker task runs a loop of its own.
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace platform {

class RunLoop {
 public:
  using Clock = std::chrono::steady_clock;
  using Work = std::function<void()>;

  RunLoop() = default;
  RunLoop(const RunLoop&) = delete;
  RunLoop& operator=(const RunLoop&) = delete;

  // The main thread's loop (one per process).
  static RunLoop& main();

  // Queues work to run on the loop's thread; safe from any thread.
  void post(Work work);

  // Runs what is queued now, without waiting; answers how many items ran.
  int runPending();
  // Runs work as it comes until done() answers true (checked after each item and before
  // waiting), stop() is called, or deadline passes. True when done() ended it.
  bool runUntil(Clock::time_point deadline, const std::function<bool()>& done = {});
  // Runs work as it comes until stop() is called.
  void run();
  // Makes run (or runUntil) return after the item it is running; safe from any thread.
  void stop();

 private:
  // The next item, waiting until deadline; none when stopped or the deadline passed.
  bool next(Work& work, Clock::time_point deadline);

  std::mutex lock_;
  std::condition_variable wake_;
  std::deque<Work> queue_;
  bool stopped_ = false;
};

}  // namespace platform

#include "platform/tasks/run_loop.h"

namespace platform {

RunLoop& RunLoop::main() {
  static RunLoop loop;
  return loop;
}

void RunLoop::post(Work work) {
  {
    std::lock_guard<std::mutex> guard(lock_);
    queue_.push_back(std::move(work));
  }
  wake_.notify_one();
}

int RunLoop::runPending() {
  std::deque<Work> batch;
  {
    std::lock_guard<std::mutex> guard(lock_);
    batch.swap(queue_);
  }
  for (Work& work : batch) work();
  return static_cast<int>(batch.size());
}

bool RunLoop::next(Work& work, Clock::time_point deadline) {
  std::unique_lock<std::mutex> guard(lock_);
  auto ready = [this] { return stopped_ || !queue_.empty(); };
  if (deadline == Clock::time_point::max())
    wake_.wait(guard, ready);
  else
    wake_.wait_until(guard, deadline, ready);
  if (stopped_) {
    stopped_ = false;
    return false;
  }
  if (queue_.empty()) return false;
  work = std::move(queue_.front());
  queue_.pop_front();
  return true;
}

bool RunLoop::runUntil(Clock::time_point deadline, const std::function<bool()>& done) {
  Work work;
  for (;;) {
    if (done && done()) return true;
    if (!next(work, deadline)) return done && done();
    work();
    work = nullptr;
  }
}

void RunLoop::run() { runUntil(Clock::time_point::max()); }

void RunLoop::stop() {
  {
    std::lock_guard<std::mutex> guard(lock_);
    stopped_ = true;
  }
  wake_.notify_all();
}

}  // namespace platform

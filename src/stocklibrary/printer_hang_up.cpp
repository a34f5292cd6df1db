// The socket is shut, not closed: the descriptor stays the connection's until httpClose. (A
// libcups time-out callback would bound the wait too, but makes libcups poll before every small
// read, which more than doubles the time a large reply takes.)
#include "stocklibrary/printer_hang_up.h"

#include <sys/socket.h>

#include <condition_variable>
#include <mutex>

PrinterHangUp::PrinterHangUp(int fd, double idleSeconds, std::stop_token stop)
    : idle_(std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(idleSeconds))),
      lastProgress_(Clock::now().time_since_epoch().count()),
      watch_([this, fd, stop](std::stop_token finished) { watch(fd, stop, finished); }) {}

PrinterHangUp::~PrinterHangUp() {
  watch_.request_stop();
  watch_.join();
}

void PrinterHangUp::progressed() { lastProgress_ = Clock::now().time_since_epoch().count(); }

void PrinterHangUp::watch(int fd, std::stop_token stop, std::stop_token finished) {
  std::mutex lock;
  std::condition_variable_any wake;
  std::stop_callback onStop(stop, [&] {
    std::lock_guard<std::mutex> guard(lock);
    wake.notify_all();
  });
  std::unique_lock<std::mutex> guard(lock);
  for (;;) {
    const Clock::time_point deadline = Clock::time_point(Clock::duration(lastProgress_.load())) + idle_;
    wake.wait_until(guard, finished, deadline, [&] { return stop.stop_requested(); });
    if (finished.stop_requested()) return;
    if (stop.stop_requested()) break;
    // Progress since the wait began moves the deadline on.
    if (Clock::now() < Clock::time_point(Clock::duration(lastProgress_.load())) + idle_) continue;
    break;
  }
  fired_ = true;
  ::shutdown(fd, SHUT_RDWR);
}

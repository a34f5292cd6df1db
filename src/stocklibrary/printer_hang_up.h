#pragma once
// The watchdog of one exchange with a printer: it shuts the connection's socket when the printer
// has made no progress for a while (no byte taken of the request, no answer), or when the task is
// asked to stop, whichever comes first, so that the read or write under way fails at once.
#include <atomic>
#include <chrono>
#include <stop_token>
#include <thread>

class PrinterHangUp {
 public:
  // Watches fd, allowing idleSeconds between two signs of progress.
  PrinterHangUp(int fd, double idleSeconds, std::stop_token stop);
  ~PrinterHangUp();
  PrinterHangUp(const PrinterHangUp&) = delete;
  PrinterHangUp& operator=(const PrinterHangUp&) = delete;

  // The printer took another part of the request: the wait starts again. A slow printer that
  // keeps reading is waited for; one that stops is not.
  void progressed();
  // True once the socket was shut.
  bool fired() const { return fired_; }

 private:
  using Clock = std::chrono::steady_clock;
  void watch(int fd, std::stop_token stop, std::stop_token finished);

  const Clock::duration idle_;
  std::atomic<Clock::rep> lastProgress_;
  std::atomic<bool> fired_{false};
  std::jthread watch_;  // last: it starts once everything it reads is there
};

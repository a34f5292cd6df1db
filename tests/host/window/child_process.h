#pragma once
// A program started in the background by a test, with extra environment variables and its
// output sent to a file; stopped (and waited for) when the object goes.
#include <sys/types.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace korvo_test {

class ChildProcess {
 public:
  // Starts argv[0] found on PATH; keepFd, when not -1, stays open in the child.
  ChildProcess(std::vector<std::string> argv, std::vector<std::pair<std::string, std::string>> environment,
               const std::string& outputPath, int keepFd = -1);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return pid_ > 0; }
  // The exit status once the program has ended within the time given; none while it runs.
  std::optional<int> waitForExit(double seconds);

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
};

// Polls until predicate() holds or the seconds are up; answers whether it held.
template <typename Predicate>
bool WaitUntil(double seconds, Predicate predicate);

}  // namespace korvo_test

#include <chrono>
#include <thread>

template <typename Predicate>
bool korvo_test::WaitUntil(double seconds, Predicate predicate) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < deadline) {
    if (predicate()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return predicate();
}

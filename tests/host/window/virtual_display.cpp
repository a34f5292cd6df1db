#include "host/window/virtual_display.h"

#include <poll.h>
#include <unistd.h>

#include <vector>

#include "support/test_support.h"

namespace korvo_test {

bool HaveProgram(const char* program) {
  return RunCommand(std::string("command -v ") + program + " >/dev/null 2>&1", nullptr) == 0;
}

VirtualDisplay::VirtualDisplay(const std::string& logPath, const std::string& screen) {
  int fds[2];
  if (pipe(fds) != 0) return;
  // Xvfb picks a free display and tells its number through the pipe.
  server_ = std::make_unique<ChildProcess>(
      std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", screen + "x24", "-nolisten",
                               "tcp"},
      std::vector<std::pair<std::string, std::string>>{}, logPath, fds[1]);
  close(fds[1]);
  std::string number;
  pollfd wait{fds[0], POLLIN, 0};
  char c = 0;
  while (poll(&wait, 1, 10000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
  close(fds[0]);
  if (!number.empty()) name_ = ":" + number;
}

}  // namespace korvo_test

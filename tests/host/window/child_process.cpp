#include "host/window/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace korvo_test {

ChildProcess::ChildProcess(std::vector<std::string> argv,
                           std::vector<std::pair<std::string, std::string>> environment,
                           const std::string& outputPath, int keepFd) {
  pid_ = fork();
  if (pid_ != 0) return;
  // The child: its own process group, so that stopping it stops what it started.
  setpgid(0, 0);
  for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
  int out = open(outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (out >= 0) {
    dup2(out, 1);
    dup2(out, 2);
  }
  for (int fd = 3; fd < 256; ++fd)
    if (fd != keepFd) close(fd);
  std::vector<char*> args;
  for (std::string& arg : argv) args.push_back(arg.data());
  args.push_back(nullptr);
  execvp(args[0], args.data());
  _exit(127);
}

ChildProcess::~ChildProcess() {
  if (pid_ <= 0 || status_) return;
  kill(-pid_, SIGTERM);
  if (!waitForExit(5)) {
    kill(-pid_, SIGKILL);
    waitForExit(5);
  }
}

std::optional<int> ChildProcess::waitForExit(double seconds) {
  if (status_ || pid_ <= 0) return status_;
  WaitUntil(seconds, [&] {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) != pid_) return false;
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return true;
  });
  return status_;
}

}  // namespace korvo_test

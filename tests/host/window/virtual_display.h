#pragma once
// An X server of a test's own (Xvfb) on a free display number, stopped when the object goes.
#include <memory>
#include <string>

#include "host/window/child_process.h"

namespace korvo_test {

// Whether a program is on PATH.
bool HaveProgram(const char* program);

class VirtualDisplay {
 public:
  // Starts Xvfb (screen WxH, 24 bits), its output in logPath.
  explicit VirtualDisplay(const std::string& logPath, const std::string& screen = "800x640");
  // ":N", or empty when the server did not start.
  const std::string& name() const { return name_; }

 private:
  std::unique_ptr<ChildProcess> server_;
  std::string name_;
};

}  // namespace korvo_test

#include "support/test_support.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace korvo_test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "korvo-test-XXXXXX").string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (::mkdtemp(name.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = name.data();
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

ScopedEnv::ScopedEnv(const char* name, const char* value) : name_(name), had_(std::getenv(name) != nullptr) {
  if (had_) old_ = std::getenv(name);
  if (value) ::setenv(name, value, 1); else ::unsetenv(name);
}

ScopedEnv::~ScopedEnv() {
  if (had_) ::setenv(name_, old_.c_str(), 1); else ::unsetenv(name_);
}

// The folders exist before the variables point at them.
ScopedXdgHome::ScopedXdgHome()
    : config_("XDG_CONFIG_HOME", (std::filesystem::create_directories(dir_.file("config")), dir_.file("config").c_str())),
      data_("XDG_DATA_HOME", (std::filesystem::create_directories(dir_.file("data")), dir_.file("data").c_str())) {}

ScopedXdgHome::~ScopedXdgHome() = default;

int RunCommand(const std::string& command, std::string* output, bool mergeStderr) {
  std::string full = mergeStderr ? command + " 2>&1" : command;
  FILE* pipe = ::popen(full.c_str(), "r");
  if (pipe == nullptr) return -1;
  std::string text;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, n);
  int status = ::pclose(pipe);
  if (output) *output = text;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string DataPath(const std::string& name) { return std::string(KORVO_TEST_DATA_DIR) + "/" + name; }
std::string BundlePath() { return KORVO_BUNDLE_DIR; }
std::string SamplePPDPath() { return std::string(KORVO_BUNDLE_DIR) + "/Contents/Resources/KorvoSample.ppd"; }

int ReplayFuzzCorpus(const std::string& target, const std::function<void(const std::string& bytes)>& replay) {
  int seeds = 0;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(KORVO_SOURCE_DIR) + "/fuzz/corpus/" + target)) {
    SCOPED_TRACE(entry.path().string());
    replay(ReadFile(entry.path().string()));
    ++seeds;
  }
  return seeds;
}

}  // namespace korvo_test

#include "support/test_support.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
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

std::vector<std::string> NamesIn(const std::string& folder, const std::string& part) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.path().filename().string().find(part) != std::string::npos) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string MakeBundle(const TempDir& dir, const std::string& name, const std::string& infoBody,
                       const std::map<std::string, std::string>& resources) {
  const std::string path = dir.file(name + ".plugin");
  std::filesystem::create_directories(path + "/Contents/Resources");
  WriteFile(path + "/Contents/Info.plist", "<?xml version=\"1.0\"?>\n<plist version=\"1.0\"><dict><key>CFBundleIdentifier</key>"
                                           "<string>test." + name + "." + std::filesystem::path(dir.path()).filename().string() +
                                           "</string>" + infoBody + "</dict></plist>\n");
  for (const auto& [file, bytes] : resources) {
    const std::filesystem::path resource = path + "/Contents/Resources/" + file;
    std::filesystem::create_directories(resource.parent_path());
    WriteFile(resource.string(), bytes);
  }
  return path;
}

pid_t StartChild(const std::function<int()>& body) {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(body());
  return pid;
}

int WaitForChild(pid_t pid) {
  int status = 0;
  if (::waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

int RunUnprivileged(const std::function<int()>& body) {
  return WaitForChild(StartChild([&] {
    if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)) return 77;
    return body();
  }));
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

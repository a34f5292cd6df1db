#include "support/private_cups.h"

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <thread>
#include <utility>

#include "support/test_support.h"

namespace korvo_test {

namespace {

// The programs the print system needs, with the Debian package of each.
constexpr std::pair<const char*, const char*> kPrograms[] = {
    {"cupsd", "cups-daemon"},      {"lpadmin", "cups-client"},     {"ippeveprinter", "cups-ipp-utils"},
    {"ipptool", "cups-ipp-utils"}, {"dbus-daemon", "dbus-daemon"}, {"unshare", "util-linux"},
    {"setpriv", "util-linux"},     {"nsenter", "util-linux"},      {"ip", "iproute2"}};

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string MissingPackage() {
  for (const auto& [program, package] : kPrograms)
    if (RunCommand(std::string("PATH=$PATH:/usr/sbin:/sbin command -v ") + program, nullptr) != 0)
      return std::string(program) + " is missing: install the Debian package " + package + " (scripts/setup.sh)";
  return {};
}

bool Gone(pid_t pid) { return ::kill(pid, 0) != 0; }

}  // namespace

std::unique_ptr<PrivateCups> PrivateCups::start(const std::string& attributes, const std::string& formats,
                                                std::string* error) {
  if (std::string missing = MissingPackage(); !missing.empty()) {
    *error = missing;
    return nullptr;
  }
  std::unique_ptr<PrivateCups> cups(new PrivateCups);
  char folder[] = "/tmp/korvo-cups-XXXXXX";
  if (::mkdtemp(folder) == nullptr) {
    *error = "cannot make a temporary folder";
    return nullptr;
  }
  cups->base_ = folder;
  // cupsd runs as "nobody" when the tests run as root, and must own its folders.
  if (::geteuid() == 0 && ::chown(folder, 65534, 65534) != 0) {
    *error = std::string("cannot hand ") + folder + " to nobody";
    return nullptr;
  }
  const std::string script = std::string(KORVO_SOURCE_DIR) + "/tests/support/private_cups.sh";
  const std::string backend = std::string(KORVO_BIN_DIR) + "/korvo";
  const std::string ppd = SamplePPDPath();
  const std::string log = cups->base_ + "/start_log";
  const std::string conf = attributes.empty() ? std::string() : cups->base_ + "/printer.conf";
  if (!conf.empty()) WriteFile(conf, attributes);
  cups->pid_ = ::fork();
  if (cups->pid_ == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (FILE* out = std::freopen(log.c_str(), "w", stdout)) ::dup2(::fileno(out), 2);
    ::execl(script.c_str(), script.c_str(), cups->base_.c_str(), backend.c_str(), ppd.c_str(), conf.c_str(),
            formats.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  for (int i = 0; i < 500 && !std::filesystem::exists(cups->base_ + "/ready"); ++i) {
    if (::waitpid(cups->pid_, nullptr, WNOHANG) == cups->pid_) {
      cups->pid_ = -1;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  if (cups->pid_ < 0 || !std::filesystem::exists(cups->base_ + "/ready")) {
    *error = "the private cupsd did not come up: " + ReadFile(log) + ReadFile(cups->base_ + "/log/printer_log");
    return nullptr;
  }
  return cups;
}

PrivateCups::~PrivateCups() {
  if (pid_ > 0) {
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
  }
  std::error_code ignored;
  if (!base_.empty()) std::filesystem::remove_all(base_, ignored);
}

std::string PrivateCups::inside() const {
  // Root may enter the namespace's network alone; another user enters its user namespace too.
  const char* enter = ::geteuid() == 0 ? " -n" : " -U -n --preserve-credentials";
  return "nsenter -t " + std::to_string(pid_) + enter + " env CUPS_SERVER=" + base_ + "/cups.sock";
}

int PrivateCups::run(const std::string& command, std::string* output) const {
  return RunCommand(inside() + " sh -c " + Quoted(command), output, true);
}

std::string PrivateCups::printerJobs() const {
  const std::string test = base_ + "/get-jobs.test";
  WriteFile(test,
            "{ OPERATION Get-Jobs\n GROUP operation-attributes-tag\n ATTR charset attributes-charset utf-8\n"
            " ATTR naturalLanguage attributes-natural-language en\n ATTR uri printer-uri $uri\n"
            " ATTR keyword which-jobs all\n ATTR keyword requested-attributes all\n STATUS successful-ok }\n");
  std::string output;
  run(std::string("ipptool -tv ") + kPrinterURI + " " + test, &output);
  return output;
}

std::string PrivateCups::printerJob(const std::string& name) const {
  const std::string separator = "        -- separator --\n";
  for (int i = 0; i < 100; ++i) {
    const std::string jobs = printerJobs();
    for (std::size_t start = jobs.find("status-code"); start != std::string::npos;) {
      const std::size_t end = jobs.find(separator, start);
      const std::string job = jobs.substr(start, end == std::string::npos ? std::string::npos : end - start);
      if (job.find("job-name (nameWithoutLanguage) = " + name + "\n") != std::string::npos &&
          job.find("job-state (enum) = completed\n") != std::string::npos)
        return job;
      start = end == std::string::npos ? end : end + separator.size();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return {};
}

std::string PrivateCups::spoolFile(const std::string& name) const {
  const std::string job = printerJob(name);
  const std::string key = "job-id (integer) = ";
  const std::size_t at = job.find(key);
  if (at == std::string::npos) return {};
  const std::string prefix = job.substr(at + key.size(), job.find('\n', at) - at - key.size()) + "-";
  for (const auto& entry : std::filesystem::directory_iterator(spool()))
    if (const std::string file = entry.path().filename().string(); file.starts_with(prefix) && !file.ends_with(".prn"))
      return ReadFile(entry.path().string());
  return {};
}

std::string PrivateCups::errorLog() const { return ReadFile(base_ + "/log/error_log"); }

void PrivateCups::stopPrinter() {
  std::istringstream pids(ReadFile(base_ + "/pids"));
  pid_t bus = -1;
  pid_t printer = -1;
  pids >> bus >> printer;
  if (printer <= 0) return;
  ::kill(printer, SIGTERM);
  for (int i = 0; i < 250 && !Gone(printer); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

}  // namespace korvo_test

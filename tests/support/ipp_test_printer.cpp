#include "support/ipp_test_printer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace korvo_test {

namespace {

sockaddr_in Loopback(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return address;
}

bool Accepts(int port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = Loopback(port);
  const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return ok;
}

// Starts program with argv, its output in log, extra environment given; the child ends with us.
// outFd: when not -1, the child's descriptor 3 is this pipe end.
pid_t Spawn(const std::vector<std::string>& argv, const std::string& log, const std::vector<std::string>& env,
            int outFd) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  const pid_t pid = ::fork();
  if (pid != 0) return pid;
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
  const int logFd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
  if (logFd >= 0) {
    ::dup2(logFd, 1);
    ::dup2(logFd, 2);
  }
  if (outFd >= 0) ::dup2(outFd, 3);
  for (const std::string& e : env) ::putenv(const_cast<char*>(e.c_str()));
  ::execvp(args[0], args.data());
  ::_exit(127);
}

// Spawns argv as Spawn does and reads the first line the child writes on its descriptor 3
// (empty when it wrote none before ending or closing it); the child's process id in *pid.
std::string SpawnForFirstLine(const std::vector<std::string>& argv, const std::string& log, pid_t* pid) {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return {};
  *pid = Spawn(argv, log, {}, pipeFds[1]);
  ::close(pipeFds[1]);
  std::string line;
  char c;
  while (::read(pipeFds[0], &c, 1) == 1 && c != '\n') line += c;
  ::close(pipeFds[0]);
  return line;
}

void Stop(pid_t& pid) {
  if (pid <= 0) return;
  ::kill(pid, SIGTERM);
  for (int i = 0; i < 100; ++i) {
    if (::waitpid(pid, nullptr, WNOHANG) == pid) {
      pid = -1;
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
  pid = -1;
}

}  // namespace

MediaCol MakeMediaCol(const std::string& key, int xDimension, int yDimension, const std::string& type,
                      const std::string& color, int weight) {
  std::string text = "{MEMBER keyword media-key \"" + key + "\"";
  if (xDimension != 0 || yDimension != 0)
    text += " MEMBER collection media-size {MEMBER integer x-dimension " + std::to_string(xDimension) +
            " MEMBER integer y-dimension " + std::to_string(yDimension) + "}";
  if (!type.empty()) text += " MEMBER keyword media-type \"" + type + "\"";
  if (!color.empty()) text += " MEMBER keyword media-color \"" + color + "\"";
  if (weight != 0) text += " MEMBER integer media-weight-metric " + std::to_string(weight);
  return MediaCol{text + "}"};
}

int FreeLoopbackPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = Loopback(0);
  ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  socklen_t size = sizeof address;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
  ::close(fd);
  return ntohs(address.sin_port);
}

std::unique_ptr<IppTestPrinter> IppTestPrinter::start(const std::vector<MediaCol>& database, std::string* error) {
  std::string conf;
  if (database.empty()) {
    conf = "ATTR no-value media-col-database\n";
  } else {
    conf = "ATTR collection media-col-database ";
    for (std::size_t i = 0; i < database.size(); ++i) conf += (i ? "," : "") + database[i].text;
    conf += "\n";
  }
  return startWith(conf, "", error);
}

std::unique_ptr<IppTestPrinter> IppTestPrinter::startWith(const std::string& attributes, const std::string& formats,
                                                          std::string* error) {
  std::unique_ptr<IppTestPrinter> printer(new IppTestPrinter);
  char folder[] = "/tmp/korvo-ipp-XXXXXX";
  if (::mkdtemp(folder) == nullptr) {
    *error = "cannot make a temporary folder";
    return nullptr;
  }
  printer->folder_ = folder;
  const std::string log = printer->folder_ + "/log.txt";

  const std::string busAddress =
      SpawnForFirstLine({"dbus-daemon", "--session", "--nofork", "--print-address=3"}, log, &printer->bus_);
  if (busAddress.empty()) {
    *error = "dbus-daemon did not start (see " + log + ")";
    return nullptr;
  }

  std::vector<std::string> attributesArguments{"-f", formats};
  if (!attributes.empty()) {
    std::ofstream(printer->folder_ + "/media.conf") << attributes;
    attributesArguments = {"-a", printer->folder_ + "/media.conf"};
  }
  std::filesystem::create_directory(printer->folder_ + "/spool");
  printer->port_ = FreeLoopbackPort();
  std::vector<std::string> argv{"ippeveprinter", "-r", "off", "-p", std::to_string(printer->port_), "-n", "localhost",
                                "-d", printer->folder_ + "/spool"};
  argv.insert(argv.end(), attributesArguments.begin(), attributesArguments.end());
  argv.push_back("KorvoTest");
  printer->printer_ = Spawn(argv,
                            log, {"DBUS_SYSTEM_BUS_ADDRESS=" + busAddress, "DBUS_SESSION_BUS_ADDRESS=" + busAddress}, -1);
  for (int i = 0; i < 250 && !Accepts(printer->port_); ++i) {
    if (::waitpid(printer->printer_, nullptr, WNOHANG) == printer->printer_) {
      printer->printer_ = -1;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  if (printer->printer_ < 0 || !Accepts(printer->port_)) {
    *error = "ippeveprinter did not come up on port " + std::to_string(printer->port_) + " (see " + log + ")";
    return nullptr;
  }
  return printer;
}

IppTestPrinter::~IppTestPrinter() {
  Stop(printer_);
  Stop(bus_);
  if (!folder_.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
}

std::string IppTestPrinter::uri() const { return "ipp://127.0.0.1:" + std::to_string(port_) + "/ipp/print"; }

void IppTestPrinter::stopPrinter() { Stop(printer_); }

std::unique_ptr<FakePrinter> FakePrinter::start(const std::string& mode, std::string* error, int lifetime, long rate) {
  std::unique_ptr<FakePrinter> printer(new FakePrinter);
  char folder[] = "/tmp/korvo-fake-XXXXXX";
  if (::mkdtemp(folder) == nullptr) {
    *error = "cannot make a temporary folder";
    return nullptr;
  }
  printer->folder_ = folder;
  const std::string log = printer->folder_ + "/log.txt";
  const std::string port =
      SpawnForFirstLine({"python3", std::string(KORVO_SOURCE_DIR) + "/tests/support/fake_printer.py", mode,
                         printer->folder_ + "/received.jsonl", std::to_string(lifetime), std::to_string(rate)},
                        log, &printer->pid_);
  if (port.empty()) {
    *error = "the fake printer did not start (see " + log + ")";
    return nullptr;
  }
  printer->port_ = std::stoi(port);
  return printer;
}

FakePrinter::~FakePrinter() {
  Stop(pid_);
  if (!folder_.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
}

std::string FakePrinter::uri() const { return "ipp://127.0.0.1:" + std::to_string(port_) + "/ipp/print"; }

std::string FakePrinter::received() const {
  std::ifstream in(folder_ + "/received.jsonl");
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace korvo_test

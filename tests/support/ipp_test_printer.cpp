#include "support/ipp_test_printer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>

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
  const std::string log = printer->folder_.file("log.txt");

  const std::string busAddress =
      SpawnForFirstLine({"dbus-daemon", "--session", "--nofork", "--print-address=3"}, log, &printer->bus_);
  if (busAddress.empty()) {
    *error = "dbus-daemon did not start (see " + log + ")";
    return nullptr;
  }

  std::vector<std::string> attributesArguments{"-f", formats};
  if (!attributes.empty()) {
    WriteFile(printer->folder_.file("media.conf"), attributes);
    attributesArguments = {"-a", printer->folder_.file("media.conf")};
  }
  std::filesystem::create_directory(printer->folder_.file("spool"));
  printer->port_ = FreeLoopbackPort();
  std::vector<std::string> argv{"ippeveprinter", "-r", "off", "-p", std::to_string(printer->port_), "-n", "localhost",
                                "-d", printer->folder_.file("spool")};
  argv.insert(argv.end(), attributesArguments.begin(), attributesArguments.end());
  argv.push_back("KorvoTest");
  printer->printer_ = Spawn(argv, log, {"DBUS_SYSTEM_BUS_ADDRESS=" + busAddress, "DBUS_SESSION_BUS_ADDRESS=" + busAddress});
  if (!WaitForChildReady(printer->printer_, 5, [&] { return Accepts(printer->port_); })) {
    *error = "ippeveprinter did not come up on port " + std::to_string(printer->port_) + " (see " + log + ")";
    return nullptr;
  }
  return printer;
}

IppTestPrinter::~IppTestPrinter() {
  StopChild(printer_);
  StopChild(bus_);
}

std::string IppTestPrinter::uri() const { return "ipp://127.0.0.1:" + std::to_string(port_) + "/ipp/print"; }

void IppTestPrinter::stopPrinter() { StopChild(printer_); }

std::unique_ptr<FakePrinter> FakePrinter::start(const std::string& mode, std::string* error, int lifetime, long rate) {
  std::unique_ptr<FakePrinter> printer(new FakePrinter);
  const std::string log = printer->folder_.file("log.txt");
  const std::string port =
      SpawnForFirstLine({"python3", std::string(KORVO_SOURCE_DIR) + "/tests/support/fake_printer.py", mode,
                         printer->folder_.file("received.jsonl"), std::to_string(lifetime), std::to_string(rate)},
                        log, &printer->pid_);
  if (port.empty()) {
    *error = "the fake printer did not start (see " + log + ")";
    return nullptr;
  }
  printer->port_ = std::stoi(port);
  return printer;
}

FakePrinter::~FakePrinter() { StopChild(pid_); }

std::string FakePrinter::uri() const { return "ipp://127.0.0.1:" + std::to_string(port_) + "/ipp/print"; }

std::string FakePrinter::received() const { return ReadFile(folder_.file("received.jsonl")); }

}  // namespace korvo_test

#pragma once
// A real IPP printer for the tests: ippeveprinter on a free loopback port, with a media
// collection database of the test's own making, and the private D-Bus bus it needs for DNS-SD.
// Both processes are children of the test process, stopped by their ids when the object goes,
// and told by the kernel to end if the test process dies first. Nothing listens outside loopback.
#include <memory>
#include <string>
#include <vector>

#include <sys/types.h>

namespace korvo_test {

// One media collection as ippeveprinter's configuration writes it: "{MEMBER ... MEMBER ...}".
struct MediaCol {
  std::string text;
};

// A collection with the usual members; empty keywords and 0 numbers are left out.
MediaCol MakeMediaCol(const std::string& key, int xDimension, int yDimension, const std::string& type = "",
                      const std::string& color = "", int weight = 0);

class IppTestPrinter {
 public:
  // Starts a printer holding the given collections (none: a media-col-database of no value).
  // Null, with the reason in error, when a program is missing or the printer does not come up.
  static std::unique_ptr<IppTestPrinter> start(const std::vector<MediaCol>& database, std::string* error);
  // Starts a printer with the attributes file's text (ippeveprinter -a), or, when it is empty,
  // with the document formats alone (-f, comma-separated).
  static std::unique_ptr<IppTestPrinter> startWith(const std::string& attributes, const std::string& formats,
                                                   std::string* error);
  ~IppTestPrinter();
  IppTestPrinter(const IppTestPrinter&) = delete;
  IppTestPrinter& operator=(const IppTestPrinter&) = delete;

  int port() const { return port_; }
  // ipp://127.0.0.1:PORT/ipp/print
  std::string uri() const;
  // Stops the printer (the bus stays until destruction); the port then refuses connections.
  void stopPrinter();

 private:
  IppTestPrinter() = default;
  std::string folder_;
  pid_t bus_ = -1;
  pid_t printer_ = -1;
  int port_ = 0;
};

// A printer that misbehaves (tests/support/fake_printer.py, whose modes say how), on a free
// loopback port, for at most lifetime seconds; stopped by its id when the object goes.
class FakePrinter {
 public:
  // Null, with the reason in error, when it does not come up. rate: bytes a second a slow
  // reader takes.
  static std::unique_ptr<FakePrinter> start(const std::string& mode, std::string* error, int lifetime = 60,
                                            long rate = 1 << 20);
  ~FakePrinter();
  FakePrinter(const FakePrinter&) = delete;
  FakePrinter& operator=(const FakePrinter&) = delete;

  int port() const { return port_; }
  std::string uri() const;  // ipp://127.0.0.1:PORT/ipp/print
  // What it received: one JSON line per request (headers, operation, attributes).
  std::string received() const;

 private:
  FakePrinter() = default;
  std::string folder_;
  pid_t pid_ = -1;
  int port_ = 0;
};

// A loopback port that nothing listens on now.
int FreeLoopbackPort();

}  // namespace korvo_test

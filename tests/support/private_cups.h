#pragma once
// A private print system for the tests (tests/support/private_cups.sh): cupsd, run as an
// ordinary user in a user and network namespace of its own, with the queues "Korvo" (our
// backend, the sample printer description) and "Raw" (the stock ipp backend) in front of
// ippeveprinter. Commands run in its network namespace with CUPS_SERVER pointing at it. Started
// by the test, stopped by process id when the object goes, and with the test process if it dies.
#include <sys/types.h>

#include <memory>
#include <string>

namespace korvo_test {

class PrivateCups {
 public:
  // The printer at "ipp://127.0.0.1:8631/ipp/print" in the namespace; a queue's job goes there.
  static constexpr const char* kPrinterURI = "ipp://127.0.0.1:8631/ipp/print";

  // Starts it with the printer taking formats (comma-separated) and holding the attributes
  // file's text (ippeveprinter -a; empty for none). Null, with the reason in error (naming the
  // Debian package of a program that is missing), when it does not come up.
  static std::unique_ptr<PrivateCups> start(const std::string& attributes, const std::string& formats,
                                            std::string* error);
  ~PrivateCups();
  PrivateCups(const PrivateCups&) = delete;
  PrivateCups& operator=(const PrivateCups&) = delete;

  // Runs a shell command in the namespace, CUPS_SERVER set: its exit status, with what it wrote
  // to stdout and stderr in output.
  int run(const std::string& command, std::string* output) const;
  // The words that run a command in the namespace, CUPS_SERVER set, put before it.
  std::string inside() const;
  // The attributes of every job the printer holds, as "ipptool -tv" prints them.
  std::string printerJobs() const;
  // The attributes of the printer's job named name once it has completed, waiting for it up to
  // 10 s; empty when there is none.
  std::string printerJob(const std::string& name) const;
  // What the printer received as the document of its job named name; empty when nothing.
  std::string spoolFile(const std::string& name) const;
  // The folder holding the documents the printer received.
  std::string spool() const { return base_ + "/spool"; }
  // cupsd's log (LogLevel debug).
  std::string errorLog() const;
  // Stops the printer only: the queues stay and their jobs cannot reach it.
  void stopPrinter();

 private:
  PrivateCups() = default;
  std::string base_;
  pid_t pid_ = -1;
};

}  // namespace korvo_test

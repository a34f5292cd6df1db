// Runs the print dialog's Print for the tests, where the private print system can be reached:
//   print_dialog_job_driver load SESSION QUEUE FOLDER
//   print_dialog_job_driver queue SESSION QUEUE DOC [COPIES [FIRST-LAST ...]]
//   print_dialog_job_driver file SESSION DOC OUT
// The session file is saved after load, read only otherwise. Exit 0, or 1 after "ERROR: ...".
#include <cstdio>
#include <iostream>
#include <string>

#include "host/dialog_session.h"
#include "host/print_dialog_job.h"

namespace {

int Fail(const std::string& message) {
  std::cerr << "ERROR: " << message << "\n";
  return 1;
}

// The result of a step: its failure said once, whoever said it.
int Finish(const platform::Result<platform::OSStatus>& done) {
  if (!done) return Fail(done.error());
  return *done == platform::noErr ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) return Fail("usage: load|queue|file SESSION ...");
  const std::string command = argv[1], sessionPath = argv[2];
  auto loaded = platform::PrintSession::load(sessionPath);
  if (!loaded) return Fail(loaded.error());
  platform::PrintSession session = loaded.take();
  if (command == "load") {
    auto printer = korvo_host::LoadQueuePrinter(argv[3], &session, argv[4]);
    if (!printer) return Fail(printer.error());
    std::cout << "ppd = " << printer->ppdPath << "\ndevice = " << printer->deviceURI << "\nkorvo = "
              << korvo_host::IsKorvoPrinterDescription(printer->ppdPath) << "\n";
    return session.save(sessionPath) ? 0 : Fail("cannot save " + sessionPath);
  }
  korvo_host::CommandLine line;
  line.bundlePath = KORVO_BUNDLE_DIR;
  auto dialog = korvo_host::OpenDialogOnSession(line, KORVO_BUNDLE_DIR, session, std::cerr);
  if (!dialog) return 1;
  int status = 1;
  if (command == "queue" && argc >= 5) {
    korvo_host::PrintDialogChoices choices;
    if (argc > 5) choices.copies = std::stoi(argv[5]);
    for (int i = 6; i < argc; ++i) {
      int first = 0, last = 0;
      if (std::sscanf(argv[i], "%d-%d", &first, &last) == 2) choices.pageRanges.emplace_back(first, last);
    }
    choices.reverse = true;
    std::string requestId, warnings;
    status = Finish(korvo_host::PrintToQueue(*dialog, argv[3], argv[4], choices, &requestId, &warnings));
    std::cerr << warnings;
    if (status == 0) std::cout << "request id is " << requestId << "\n";
  } else if (command == "file") {
    status = Finish(korvo_host::PrintToFile(*dialog, argv[3], argv[4]));
  }
  dialog->close();
  dialog->terminate();
  return status;
}

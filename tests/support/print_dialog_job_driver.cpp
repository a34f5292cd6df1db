// Runs the print dialog's Print for the tests, where the private print system can be reached:
//   print_dialog_job_driver load SESSION QUEUE FOLDER   (saves the session)
//   print_dialog_job_driver queue SESSION QUEUE DOC COPIES [FIRST-LAST|even ...]   (reverse on)
//   print_dialog_job_driver file SESSION DOC OUT
// Exit 0, or 1 after "ERROR: ...".
#include <cstdio>
#include <iostream>

#include "host/dialog_session.h"
#include "host/print_dialog_job.h"

int main(int argc, char** argv) {
  const auto fail = [](const std::string& message) { return std::cerr << "ERROR: " << message << "\n", 1; };
  if (argc < 5) return fail("usage: load|queue|file SESSION ...");
  const std::string command = argv[1], sessionPath = argv[2];
  auto loaded = platform::PrintSession::load(sessionPath);
  if (!loaded) return fail(loaded.error());
  platform::PrintSession session = loaded.take();
  if (command == "load") {
    auto printer = korvo_host::LoadQueuePrinter(argv[3], &session, argv[4]);
    if (!printer) return fail(printer.error());
    std::cout << "ppd = " << printer->ppdPath << "\ndevice = " << printer->deviceURI
              << "\nkorvo = " << korvo_host::IsKorvoPrinterDescription(printer->ppdPath) << "\n";
    return session.save(sessionPath) ? 0 : fail("cannot save " + sessionPath);
  }
  auto dialog = korvo_host::OpenDialogOnSession({}, KORVO_BUNDLE_DIR, session, std::cerr);
  if (!dialog) return 1;
  platform::Result<platform::OSStatus> done = platform::Result<platform::OSStatus>::fail("no such command");
  std::string requestId, warnings;
  if (command == "queue" && argc > 5) {
    korvo_host::PrintDialogChoices choices;
    choices.copies = std::atoi(argv[5]);
    choices.reverse = true;
    for (int i = 6; i < argc; ++i) {
      int first = 0, last = 0;
      if (std::sscanf(argv[i], "%d-%d", &first, &last) == 2) choices.pageRanges.emplace_back(first, last);
      if (argv[i] == std::string("even")) choices.pageSet = korvo_host::PrintDialogChoices::PageSet::kEven;
    }
    done = korvo_host::PrintToQueue(*dialog, argv[3], argv[4], choices, &requestId, &warnings);
  } else if (command == "file") {
    done = korvo_host::PrintToFile(*dialog, argv[3], argv[4]);
  }
  dialog->close();
  dialog->terminate();
  std::cerr << warnings;
  if (!done) return fail(done.error());
  if (!requestId.empty()) std::cout << "request id is " << requestId << "\n";
  return *done == platform::noErr ? 0 : 1;
}

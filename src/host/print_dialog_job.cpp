#include "host/print_dialog_job.h"

namespace korvo_host {

std::string QueuePrinterFolder() { return {}; }

platform::Result<platform::PrinterInfo> LoadQueuePrinter(const std::string& queue, platform::PrintSession*,
                                                         const std::string&) {
  return platform::Result<platform::PrinterInfo>::fail(queue + ": printing from the dialog is not ready yet");
}

bool IsKorvoPrinterDescription(const std::string&) { return false; }

platform::Result<platform::OSStatus> PrintToQueue(PrintDialog&, const std::string& queue, const std::string&,
                                                  const PrintDialogChoices&, std::string*, std::string*) {
  return platform::Result<platform::OSStatus>::fail(queue + ": printing from the dialog is not ready yet");
}

platform::Result<platform::OSStatus> PrintToFile(PrintDialog&, const std::string&, const std::string& outputPath) {
  return platform::Result<platform::OSStatus>::fail(outputPath + ": printing to a file is not ready yet");
}

}  // namespace korvo_host

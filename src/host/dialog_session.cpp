#include "host/dialog_session.h"

#include <unistd.h>

#include <filesystem>

#include "host/host_paths.h"
#include "platform/ticket/page_format.h"
#include "platform/ticket/printer_info.h"

namespace korvo_host {

std::optional<platform::PrintSession> OpenSessionFile(const CommandLine& line, std::ostream& err) {
  if (!line.sessionPath || !std::filesystem::exists(*line.sessionPath)) return platform::PrintSession();
  auto loaded = platform::PrintSession::load(*line.sessionPath);
  if (!loaded) {
    err << "ERROR: " << loaded.error() << "\n";
    return std::nullopt;
  }
  return loaded.take();
}

std::unique_ptr<PrintDialog> OpenDialogOnSession(const CommandLine& line, const std::string& bundlePath,
                                                 platform::PrintSession& session, std::ostream& err) {
  platform::PrinterInfo& printer = session.printer();
  if (line.ppdPath) printer.ppdPath = *line.ppdPath;
  if (printer.ppdPath.empty()) printer.ppdPath = SamplePPDPath(bundlePath);
  if (printer.name.empty()) printer.name = std::filesystem::path(printer.ppdPath).stem().string();
  // Read first, so that a FIFO, a device or an oversized file is named as what it is.
  auto names = platform::ReadPrinterDescriptionNames(printer.ppdPath);
  if (!names) {
    err << "ERROR: " << names.error() << "\n";
    return nullptr;
  }
  // As the print system does when a dialog opens on a printer: the printer-info ticket says
  // which printer it is.
  platform::FillPrinterInfoTicket(*names, session.ensureTicket(platform::kPDE_PMPrinterInfoRef));
  // A session that has no paper yet gets the printer's default page size, as a page format made
  // for the printer has it. A description libcups cannot read is refused below, by the plug-in.
  platform::Ticket& format = session.ensureTicket(platform::kPDE_PMPageFormatRef);
  if (platform::PaperInfoTicketPaperName(format).empty())
    if (auto paper = platform::ReadPaperFormat(printer.ppdPath)) platform::FillPaperInfoTicket(*paper, format);
  auto dialog = PrintDialog::load(bundlePath);
  if (!dialog) {
    err << "ERROR: " << dialog.error() << "\n";
    return nullptr;
  }
  std::unique_ptr<PrintDialog> pde = dialog.take();
  pde->prologue();
  if (const platform::OSStatus status = pde->initialize(session); status != platform::noErr) {
    // A bundle missing a file of its own has named it; only a refusal is the printer's.
    if (status != platform::fnfErr)
      err << "ERROR: " << printer.ppdPath << ": not a Korvo printer description; the Korvo features do not apply\n";
    return nullptr;
  }
  pde->open();
  return pde;
}

bool ChoosePaperSize(platform::PrintSession& session, const std::string& choice, const std::string& setting,
                     std::ostream& err) {
  auto paper = platform::ReadPaperFormat(session.printer().ppdPath, choice);
  if (!paper) {
    err << "ERROR: " << setting << ": " << paper.error() << "\n";
    return false;
  }
  platform::FillPaperInfoTicket(*paper, session.ensureTicket(platform::kPDE_PMPageFormatRef));
  return true;
}

std::unique_ptr<PrintDialog> OpenDialogOnSessionFile(const CommandLine& line, platform::PrintSession* session,
                                                     std::ostream& err) {
  auto loaded = platform::PrintSession::load(*line.sessionPath);
  if (!loaded) {
    err << "ERROR: " << loaded.error() << "\n";
    return nullptr;
  }
  *session = loaded.take();
  return OpenDialogOnSession(line, line.bundlePath.value_or(DefaultBundlePath()), *session, err);
}

int RunOnDialogSession(const CommandLine& line, std::ostream& err, const DialogStep& step) {
  platform::PrintSession session;
  std::unique_ptr<PrintDialog> dialog = OpenDialogOnSessionFile(line, &session, err);
  if (!dialog) return kExitUserError;
  PrintDialog& pde = *dialog;
  const platform::Result<platform::OSStatus> done = step(pde);
  pde.close();
  pde.terminate();
  if (!done) {
    err << "ERROR: " << done.error() << "\n";
    return kExitUserError;
  }
  // A failed step has already said why, in one line of its own.
  return *done == platform::noErr ? kExitOK : kExitUserError;
}

}  // namespace korvo_host

#pragma once
// Plays the print dialog: loads the plug-in bundle as the dialog would, makes the extension
// through its factory, and calls its seven operations on a print session.
#include <memory>
#include <string>
#include <vector>

#include "model/print_dialog_choices.h"
#include "platform/plugin/plugin_host.h"
#include "platform/result.h"
#include "platform/ticket/print_session.h"
#include "platform/ui/window.h"

namespace korvo_host {

class PrintDialog {
 public:
  // Loads the module of the bundle at bundlePath and obtains its dialog-extension interface.
  static platform::Result<std::unique_ptr<PrintDialog>> load(const std::string& bundlePath);
  ~PrintDialog();
  PrintDialog(const PrintDialog&) = delete;
  PrintDialog& operator=(const PrintDialog&) = delete;

  platform::OSStatus prologue();
  platform::OSStatus initialize(platform::PrintSession& session);
  platform::OSStatus open();
  platform::OSStatus sync(bool reinitialize);
  platform::OSStatus close();
  // Ends the extension's life; safe to call once after prologue (the destructor calls it when
  // it was not called).
  platform::OSStatus terminate(platform::OSStatus status = platform::noErr);

  // Runs the plug-in's job-ticket export to path (the export command of its Advanced panel, with
  // the file already chosen): the plug-in's status, which has told on stderr what went wrong; or
  // a message when the module offers no export.
  platform::Result<platform::OSStatus> exportJobTicket(const std::string& path) const;
  // Runs the plug-in's job-ticket import of the files at paths (the import command of its
  // Advanced panel, with the files already chosen): the plug-in's status, with the summary of
  // what was imported in *summary; or a message when the module offers no import.
  platform::Result<platform::OSStatus> importJobTickets(const std::vector<std::string>& paths,
                                                        std::string* summary) const;

  // Shows the plug-in's summary window of the settings (print-settings keys) for an export (mode
  // 1) or an import (mode 0, of the file name): 0 when the user goes on, -1 when the user
  // cancels, another status when the window cannot be shown; a message when the module has none.
  platform::Result<platform::OSStatus> showJobTicketSummary(const platform::PlistDict& settings, int mode,
                                                            const std::string& name) const;

  // Where the plug-in's fetch of the printer's stock library stands: its status word, one line
  // per stock and the reason of a failure; a message when the module offers no such report.
  struct StockReport {
    std::int32_t status = 0;
    std::string lines, error;
  };
  platform::Result<StockReport> printerStockReport() const;

  // Has the plug-in draw the session's watermark into path (a PNG picture or a one-page PDF, by
  // its extension), as its watermark preview does: the plug-in's status, or a message when the
  // module offers no such drawing.
  platform::Result<platform::OSStatus> drawWatermark(const std::string& path) const;

  // Has the plug-in write the session's settings as an ipptool test file to path ("-": standard
  // output): the plug-in's status, or a message when the module offers no such file.
  platform::Result<platform::OSStatus> writeIppTestFile(const std::string& path) const;

  // Has the plug-in print the PDF at documentPath on the printer at deviceURI with the session's
  // settings: the plug-in's status (which has told on stderr what went wrong), the job's URI and
  // the warning lines of settings left out; or a message when the module offers no printing.
  platform::Result<platform::OSStatus> printDocument(const std::string& deviceURI, const std::string& documentPath,
                                                     std::string* jobURI, std::string* warnings) const;
  // The same through the CUPS queue named queue: the request id instead of the job's URI. The
  // system dialog's own choices, when given, go with the job where the settings say nothing of
  // the same thing.
  platform::Result<platform::OSStatus> printDocumentToQueue(const std::string& queue, const std::string& documentPath,
                                                            std::string* requestId, std::string* warnings,
                                                            const PrintDialogChoices* choices = nullptr) const;

  const std::string& title() const { return title_; }
  // The dialog's window: the extension's pane (given to Initialize) and the OK and Cancel buttons.
  platform::ui::Window& window() { return *window_; }
  platform::ui::Control& extensionPane() { return *pane_; }
  const std::string& kind() const { return kind_; }
  platform::Bundle& bundle() const { return module_->bundle(); }

 private:
  // Calls the module's entry point of that name, which takes a file path.
  platform::Result<platform::OSStatus> callPathEntry(const char* symbol, const char* what,
                                                     const std::string& path) const;

  PrintDialog(std::unique_ptr<platform::PluginModule> module, platform::PluginInstance instance,
              platform::PDEInterfaceHandle pde);

  // Declared in this order so that they are released in reverse: interface, instance, module.
  std::unique_ptr<platform::PluginModule> module_;
  platform::PluginInstance instance_;
  platform::PDEInterfaceHandle pde_;
  std::unique_ptr<platform::ui::Window> window_;
  platform::ui::Control* pane_ = nullptr;
  platform::PMPDEContext context_ = nullptr;
  platform::PrintSession* session_ = nullptr;
  bool live_ = false;
  std::string title_, kind_;
};

}  // namespace korvo_host

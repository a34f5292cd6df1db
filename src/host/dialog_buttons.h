#pragma once
// The print dialog's own buttons, as the window version of the dialog offers them: Save (the
// default button: the panels write their settings to the ticket and the session file is saved),
// Cancel (nothing is saved) and Export Job Ticket (the job-ticket file of the settings as they
// stand, to a file the user chooses), with the printer's name beside them. They act through the
// toolkit's events, so a click in a real window and a test's click do the same.
#include <optional>
#include <ostream>
#include <string>

#include "host/print_dialog.h"
#include "platform/ticket/print_session.h"
#include "platform/ui/event.h"

namespace korvo_host {

inline constexpr platform::ui::ControlID kPrinterNameID{platform::FourCharCode("PDlg"), 4};
inline constexpr platform::ui::ControlID kExportButtonID{platform::FourCharCode("PDlg"), 5};

class DialogButtons {
 public:
  // sessionPath: where Save writes the session; without one, Save prints the ticket to out.
  DialogButtons(PrintDialog& dialog, platform::PrintSession& session, std::optional<std::string> sessionPath,
                std::ostream& out, std::ostream& err);
  DialogButtons(const DialogButtons&) = delete;
  DialogButtons& operator=(const DialogButtons&) = delete;

  // True once Save or Cancel has ended the dialog; the exit status says how it went.
  bool finished() const { return finished_; }
  int exitStatus() const { return exitStatus_; }

 private:
  platform::OSStatus handle(platform::ui::Event& event);
  void save();
  void exportJobTicket();
  bool confirmExport();

  PrintDialog& dialog_;
  platform::PrintSession& session_;
  std::optional<std::string> sessionPath_;
  std::ostream& out_;
  std::ostream& err_;
  platform::ui::EventHandlerRef handler_;
  bool finished_ = false;
  int exitStatus_ = 0;
};

}  // namespace korvo_host

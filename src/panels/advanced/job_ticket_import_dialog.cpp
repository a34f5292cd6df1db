// The Import button of the Advanced panel: the file chooser, then the import of the chosen file.
#include "panels/advanced/job_ticket_import_dialog.h"

#include "jobticket/reader/jtkt_reader.h"
#include "platform/ui/interaction.h"

platform::OSStatus RunModalJTKTImportDialog(const JobTicketService& service, std::string* chosenPath) {
  // Every file is offered: a job ticket has no fixed name extension.
  platform::ui::FileRequest request;
  request.title = "Import Job Ticket";  // the chooser is titled by what it chooses for
  const std::optional<std::string> chosen = platform::ui::ChooseFile(request);
  if (!chosen) return platform::noErr;  // cancelled: nothing imported, the panels left alone
  if (chosenPath != nullptr) *chosenPath = *chosen;
  const char* paths[] = {chosen->c_str()};
  return ImportJobTicketsIntoDialog(service, paths, 1, nullptr, nullptr);
}

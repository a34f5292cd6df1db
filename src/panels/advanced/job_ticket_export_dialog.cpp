#include "panels/advanced/job_ticket_export_dialog.h"

#include "kit/job_ticket_service.h"
#include "platform/ui/interaction.h"

platform::OSStatus RunModalJTKTExportDialog(const JobTicketService& service, std::string* chosenPath) {
  platform::ui::FileRequest request;
  request.save = true;  // the name is the user's to give, as it stands (no name proposed, no extension added)
  request.title = "Export Job Ticket";  // the chooser is titled by what it chooses for
  const std::optional<std::string> chosen = platform::ui::ChooseFile(request);
  if (!chosen) return platform::noErr;  // cancelled: nothing written
  if (chosenPath != nullptr) *chosenPath = *chosen;
  return ExportJobTicketFromDialog(service, chosen->c_str());
}

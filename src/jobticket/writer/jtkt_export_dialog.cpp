#include "jobticket/writer/jtkt_export_dialog.h"

#include "kit/job_ticket_service.h"
#include "platform/ui/interaction.h"

platform::OSStatus RunModalJTKTExportDialog(std::string* chosenPath) {
  platform::ui::FileRequest request;
  request.save = true;
  request.defaultName = "JobTicket.xml";
  const std::optional<std::string> chosen = platform::ui::ChooseFile(request);
  if (!chosen) return platform::noErr;  // cancelled: nothing written
  if (chosenPath != nullptr) *chosenPath = *chosen;
  return ExportJobTicketFromDialog(chosen->c_str());
}

#pragma once
// The Export command of the Advanced panel: where to save, then the dialog's export.
#include <string>

#include "kit/job_ticket_service.h"
#include "platform/status.h"

// The platform's save chooser, then the dialog's export (ExportJobTicketFromDialog) to the chosen
// path, which goes to *chosenPath when given. noErr when the user cancels (nothing is written).
platform::OSStatus RunModalJTKTExportDialog(const JobTicketService& service, std::string* chosenPath = nullptr);

#pragma once
// The Advanced panel's Export... button: the save chooser in front of the dialog's export.
#include <string>

#include "kit/job_ticket_service.h"
#include "platform/status.h"

// The platform's save chooser, then the dialog's export (ExportJobTicketFromDialog) to the chosen
// path, which goes to *chosenPath when given. noErr when the user cancels (nothing is written).
platform::OSStatus RunModalJTKTExportDialog(const JobTicketService& service, std::string* chosenPath = nullptr);

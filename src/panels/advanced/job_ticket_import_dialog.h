#pragma once
// The Advanced panel's Import... button: the file chooser in front of the dialog's import.
#include <string>

#include "kit/job_ticket_service.h"
#include "platform/status.h"

// The platform's file chooser, offering every file; the chosen file goes to the dialog's import
// (ImportJobTicketsIntoDialog). noErr when the user cancels (nothing changes, no re-sync). The
// chosen path goes to *chosenPath when given.
platform::OSStatus RunModalJTKTImportDialog(const JobTicketService& service, std::string* chosenPath = nullptr);

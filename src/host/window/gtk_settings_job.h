#pragma once
// What GTK's print dialog chose for a job, for the Korvo queue path and for other queues, where
// the job goes with GTK's settings only, none of ours.
#include <gtk/gtkunixprint.h>

#include <string>

#include "model/print_dialog_choices.h"
#include "platform/glib_handles.h"
#include "platform/ticket/page_format.h"
#include "platform/result.h"

namespace korvo_host {

// GTK's own choices for the job, from its General and Page Setup tabs.
PrintDialogChoices DialogChoicesOf(GtkPrintSettings* settings);

// The paper GTK's page set-up chose, as platform::ReadPaperFormat takes a choice: the printer
// description's keyword of a size GTK read from the description, else the name of its sheet.
std::string PaperChoiceOf(GtkPageSetup* setup);

// A page set-up on paper, the size made as GTK makes the sizes of a printer description, so that
// its page set-up finds it among them.
platform::GObjectPtr<GtkPageSetup> PageSetupOf(const platform::PaperFormat& paper);

// Prints documentPath on queue with GTK's settings as CUPS options -- copies, collation, page
// ranges, even or odd pages, reverse order, and the options GTK's tabs chose from the queue's PPD
// ("cups-KEY" as KEY) --: the request id as lp prints it ("QUEUE-N"),
// or why the server refused.
platform::Result<std::string> PrintWithGtkSettings(const std::string& queue, const std::string& documentPath,
                                                   GtkPrintSettings* settings);

}  // namespace korvo_host

#pragma once
// What GTK's print dialog chose for a job, for the Korvo queue path and for other queues, where
// the job goes with GTK's settings only, none of ours.
#include <gtk/gtkunixprint.h>

#include <string>

#include "model/print_dialog_choices.h"
#include "platform/result.h"

namespace korvo_host {

// GTK's own choices for the job, from its General and Page Setup tabs.
PrintDialogChoices DialogChoicesOf(GtkPrintSettings* settings);

// Prints documentPath on queue with GTK's settings as CUPS options -- copies, collation, page
// ranges, even or odd pages, reverse order, and the options GTK's tabs chose from the queue's PPD
// ("cups-KEY" as KEY) --: the request id as lp prints it ("QUEUE-N"),
// or why the server refused.
platform::Result<std::string> PrintWithGtkSettings(const std::string& queue, const std::string& documentPath,
                                                   GtkPrintSettings* settings);

}  // namespace korvo_host

#pragma once
// Printing through a CUPS queue: the job goes to the queue on the CUPS server libcups finds
// (CUPS_SERVER, client.conf) with the settings as typed IPP attributes, since the attributes
// cupsd makes from a PPD hold none of the production ones. What the settings may ask for is
// checked against the printer behind the queue (its device URI), never against the queue.
#include <string>
#include <vector>

#include "model/print_dialog_choices.h"
#include "platform/plist/plist_value.h"
#include "platform/status.h"

struct IppQueueOutcome {
  std::string requestId;              // "QUEUE-N", as lp names the job
  std::vector<std::string> warnings;  // one "WARNING: ..." line per setting left out
  std::string error;                  // why it failed, naming the queue, the printer or the document
};

// Prints the PDF at documentPath through queue with the print settings' attributes, the print
// dialog's choices where the settings do not say the same thing (null: none) and, when
// jobTicket is not empty, the job ticket (see ipp_job_ticket.h), streamed in one Print-Job.
// noErr with the request id; or a failure status with the reason: fnfErr (a document that cannot
// be read), kPrinterStockUnreachable (no such queue, a queue whose device URI names no IPP
// printer, a printer that cannot be reached), kPrinterStockNoAnswer (a server that took no job
// or gave no reply), kPrinterStockRefused (a job the queue refused).
platform::OSStatus IppPrintToQueue(const std::string& queue, const platform::PlistDict& settings,
                                   const PrintDialogChoices* choices, const std::string& jobTicket,
                                   const std::string& documentPath, IppQueueOutcome* outcome);

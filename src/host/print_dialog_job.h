#pragma once
// What the system print dialog's Print does once the user has answered it: the queue chosen in
// the dialog made the session's printer, the job sent on a Korvo queue with the dialog's own
// choices added, or the document and its job ticket written to a file. No GTK here: the window
// program calls these after its dialog has closed.
#include <string>

#include "host/print_dialog.h"
#include "model/print_dialog_choices.h"
#include "platform/result.h"
#include "platform/status.h"
#include "platform/ticket/print_session.h"

namespace korvo_host {

// What the dialog's own tabs chose (GTK's General and Page Setup), beside our panels: copies,
// collate, reverse, pageSet (kAll, kEven, kOdd) and pageRanges (first and last page, from 1).
using PrintDialogChoices = ::PrintDialogChoices;

// Where LoadQueuePrinter keeps the queues' printer descriptions: $XDG_CACHE_HOME/korvo-pde/printers
// (~/.cache/... when unset).
std::string QueuePrinterFolder();

// Makes the CUPS queue the session's printer, keeping the session's tickets: its printer
// description (asked of the server, written to ppdFolder/QUEUE.ppd, which is replaced only by a
// complete copy) and its device URI. The session's new printer; or one line saying why the server
// or the queue failed, the session unchanged.
platform::Result<platform::PrinterInfo> LoadQueuePrinter(const std::string& queue, platform::PrintSession* session,
                                                         const std::string& ppdFolder);

// Whether the printer description at ppdPath is Korvo's (the plug-in refuses any other).
bool IsKorvoPrinterDescription(const std::string& ppdPath);

// Prints the PDF at documentPath on the CUPS queue through the plug-in's queue path, with the
// dialog's choices added as job attributes; where the session's ticket sets the same thing (page
// range, output order, collation, copies) the ticket wins. As printDocumentToQueue: the plug-in's
// status (which has told on stderr what went wrong), *requestId as lp prints it ("QUEUE-N") and
// the warning lines; or a message when the module offers no such printing.
platform::Result<platform::OSStatus> PrintToQueue(PrintDialog& pde, const std::string& queue,
                                                  const std::string& documentPath, const PrintDialogChoices& choices,
                                                  std::string* requestId, std::string* warnings);

// Print to File: the document copied to outputPath byte for byte and the job ticket beside it as
// outputPath + ".xml", exactly as `korvo-pde export` writes it. Both are written to temporary files
// beside their names and renamed only when complete, so an existing file is replaced only on
// success. A PostScript or SVG name (.ps, .eps, .svg, in any case), a folder or a special file is
// refused and nothing written. noErr; the plug-in's status when its export failed (it has told on
// stderr); or one line saying why.
platform::Result<platform::OSStatus> PrintToFile(PrintDialog& pde, const std::string& documentPath,
                                                 const std::string& outputPath);

}  // namespace korvo_host

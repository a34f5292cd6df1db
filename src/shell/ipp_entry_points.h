#pragma once
// The job's settings as standard IPP job attributes, exported for the host: each entry runs the
// shell's Sync first, so what is sent is what the panels show.
#include <string>

#include "model/print_dialog_choices.h"
#include "platform/status.h"
#include "platform/module_export.h"

// Names the host finds the entry points by.
inline constexpr const char* kIppTestFileSymbol = "KorvoIppTestToFileAtPath";
inline constexpr const char* kIppPrintJobSymbol = "KorvoIppPrintJob";
inline constexpr const char* kIppQueueJobSymbol = "KorvoIppPrintJobToQueue";
using IppPrintJobProc = platform::OSStatus (*)(const char* deviceURI, const char* documentPath, std::string* jobURI,
                                               std::string* warnings);
using IppQueueJobProc = platform::OSStatus (*)(const char* queue, const char* documentPath,
                                               const PrintDialogChoices* choices, std::string* requestId,
                                               std::string* warnings);

// Writes the ipptool test file of the current session's print settings to path (as every -o
// file is written: "-" is standard output). noErr; or the failure status after one "ERROR:" line
// naming path.
extern "C" KORVO_EXPORT platform::OSStatus KorvoIppTestToFileAtPath(const char* path);

// Prints the PDF document at documentPath on the printer at deviceURI with the current session's
// print settings, leaving out what the printer does not support: noErr with the job's URI in
// *jobURI and one "WARNING: ..." line in *warnings for each setting left out; or a failure
// status (no warnings: nothing was printed) after one "ERROR:" line on stderr naming the printer (never its password) or
// the document.
extern "C" KORVO_EXPORT platform::OSStatus KorvoIppPrintJob(const char* deviceURI,
                                                                                     const char* documentPath,
                                                                                     std::string* jobURI,
                                                                                     std::string* warnings);

// Prints the PDF document at documentPath through the CUPS queue named queue with the current
// session's print settings as typed IPP attributes (and the print dialog's own choices, when given
// and the settings do not say the same thing), leaving out what the printer behind the queue
// does not support, and with the job ticket when "Send Job Ticket" is on: noErr with the request
// id ("QUEUE-N") in *requestId and one "WARNING: ..." line in *warnings for each setting left
// out; or a failure status after one "ERROR:" line on stderr naming the queue, the printer or
// the document.
extern "C" KORVO_EXPORT platform::OSStatus KorvoIppPrintJobToQueue(const char* queue,
                                                                                            const char* documentPath,
                                                                                            const PrintDialogChoices* choices,
                                                                                            std::string* requestId,
                                                                                            std::string* warnings);

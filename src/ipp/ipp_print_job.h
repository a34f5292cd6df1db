#pragma once
// Sending a document with the job's settings: the printer is asked by name for the "-supported"
// attributes the settings need, what it lacks is left out with a warning, and one Print-Job
// carries the rest with the document, streamed from its descriptor.
#include <string>
#include <vector>

#include "platform/cups_library.h"
#include "platform/plist/plist_value.h"
#include "platform/status.h"

struct IppPrintOutcome {
  std::string jobURI;                 // the printer's job-uri, as it gave it
  std::vector<std::string> warnings;  // one "WARNING: ..." line per setting left out
  std::string error;                  // why it failed, naming the printer or the document
};

// Prints the document read from documentFd (from where it stands to its end; a regular file or
// a pipe) as documentFormat, named jobName, on the printer at deviceURI (its user and password
// are never sent, nor shown) with the job-group attributes of jobAttributes that the printer
// supports. noErr with the job's URI; or a failure status (that of the stock library's printer
// requests) with the reason. The document is read only once the printer has answered the first
// request, and never held whole.
platform::OSStatus IppSendJob(const std::string& deviceURI, ipp_t* jobAttributes, int documentFd,
                              const std::string& documentFormat, const std::string& jobName,
                              IppPrintOutcome* outcome);

// Prints the PDF document at documentPath with the ticket's settings, through IppSendJob; a
// document that is no regular file that can be read is refused before anything is sent (fnfErr).
platform::OSStatus IppPrintDocument(const std::string& deviceURI, const platform::PlistDict& ticket,
                                    const std::string& documentPath, IppPrintOutcome* outcome);

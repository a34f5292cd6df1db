#pragma once
// Sending a document with the job's settings: the printer is asked by name for the "-supported"
// attributes the settings need, what it lacks is left out with a warning, and one Print-Job
// carries the rest with the document.
#include <string>
#include <vector>

#include "platform/plist/plist_value.h"
#include "platform/status.h"

struct IppPrintOutcome {
  std::string jobURI;                 // the printer's job-uri
  std::vector<std::string> warnings;  // one "WARNING: ..." line per setting left out
  std::string error;                  // why it failed, naming the printer or the document
};

// Prints the PDF document at documentPath on the printer at deviceURI (its user and password
// are never sent, nor shown) with the ticket's settings. noErr with the job's URI; or a failure
// status (that of the stock library's printer requests, or the file's) with the reason.
platform::OSStatus IppPrintDocument(const std::string& deviceURI, const platform::PlistDict& ticket,
                                    const std::string& documentPath, IppPrintOutcome* outcome);

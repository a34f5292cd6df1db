#pragma once
// What a printer takes: the job's attributes are checked against the printer's "-supported"
// attributes, asked for by name (a printer's "all" can leave some out), and only what they hold
// is sent -- a keyword or enum listed, an integer in range, a collection member listed, a size
// the printer has. Acceptance of a job proves nothing: printers keep unknown attributes and
// values without a word.
#include <string>
#include <vector>

#include "platform/cups_library.h"
#include "platform/ipp_handles.h"

// "X-supported" for every attribute and member name X of the job's attributes, once each, sorted.
std::vector<std::string> IppSupportedNamesFor(ipp_t* job);

// The job attributes of job the printer (its Get-Printer-Attributes reply) supports; one
// "WARNING: ..." line in warnings for each attribute, member or value left out, naming the
// setting it came from.
platform::IppMessagePtr IppKeepSupported(ipp_t* job, ipp_t* printer, std::vector<std::string>* warnings);

// The setting of the dialog an attribute comes from ("Paper" for media-col).
std::string IppSettingName(const std::string& attribute);

#pragma once
// The job's attributes as an ipptool test file: one Print-Job of the document ipptool is given
// ($filename), with every job attribute of the request, so that the settings can be sent to any
// IPP printer with the tool print rooms already trust.
#include <string>
#include <string_view>

#include "platform/cups_library.h"

// A value as ipptool reads it back exactly: quoted, with the quote, backslash, comma (ipptool's
// value separator) and dollar sign (its variable mark) escaped; braces and newlines stay inside
// the quotes.
std::string IppToolQuoted(std::string_view value);

// The test file for the job attributes of job (attributes of other groups are ignored).
std::string IppToolPrintJobTest(ipp_t* job);

#pragma once
// HTTP statuses as messages name them.
#include <string>

// "HTTP 307 (Temporary Redirect)": the status code and its reason phrase (RFC 9110), or the code
// alone for one no standard names. libcups' own names know only the codes CUPS itself answers
// with, and call its internal codes (1000 and up) by the name of a real one.
std::string HttpStatusText(int status);

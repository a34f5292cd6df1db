#pragma once
// What the IPP tests share: a request's job attributes as text, one "name=value" line each, in
// libcups' own notation (collections in braces), so a test states exactly what a printer gets.
#include <cups/ipp.h>

#include <string>

#include "platform/plist/plist_value.h"

namespace ipp_test {

std::string AttributesText(ipp_t* request);

// The lines one family adds for a ticket.
std::string FamilyText(void (*add)(ipp_t*, const platform::PlistDict*), const platform::PlistDict& ticket);

}  // namespace ipp_test

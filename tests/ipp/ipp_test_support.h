#pragma once
// What the IPP tests share: a request's job attributes as text, one "name=value" line each, in
// libcups' own notation (collections in braces), so a test states exactly what a printer gets.
#include <cups/ipp.h>

#include <string>

#include "platform/ipp_handles.h"
#include "platform/plist/plist_value.h"

namespace ipp_test {

inline std::string AttributesText(ipp_t* request) {
  std::string text;
  for (ipp_attribute_t* a = ippFirstAttribute(request); a != nullptr; a = ippNextAttribute(request)) {
    char value[8192];
    ippAttributeString(a, value, sizeof(value));
    text += std::string(ippGetName(a)) + "=" + value + "\n";
  }
  return text;
}

// The lines one family adds for a ticket.
inline std::string FamilyText(void (*add)(ipp_t*, const platform::PlistDict*), const platform::PlistDict& ticket) {
  const platform::IppMessagePtr request(ippNew());
  add(request.get(), &ticket);
  return AttributesText(request.get());
}

}  // namespace ipp_test

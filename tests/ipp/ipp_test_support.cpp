// A request's attributes as text.
#include "ipp_test_support.h"

#include "platform/ipp_handles.h"

namespace ipp_test {

std::string AttributesText(ipp_t* request) {
  std::string text;
  for (ipp_attribute_t* a = ippFirstAttribute(request); a != nullptr; a = ippNextAttribute(request)) {
    char value[8192];
    ippAttributeString(a, value, sizeof(value));
    text += std::string(ippGetName(a)) + "=" + value + "\n";
  }
  return text;
}

std::string FamilyText(void (*add)(ipp_t*, const platform::PlistDict*), const platform::PlistDict& ticket) {
  const platform::IppMessagePtr request(ippNew());
  add(request.get(), &ticket);
  return AttributesText(request.get());
}

}  // namespace ipp_test

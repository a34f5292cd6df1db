#pragma once
// Reading an interface description into its elements: the parse builds only these, not libxml2's
// tree, since a dialog's descriptions are read each time it opens and a tree node for every
// attribute value cost more than all the rest of the reading.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/result.h"

namespace platform::ui {

struct InterfaceElement {
  std::string name;
  std::vector<std::pair<std::string, std::string>> attributes;  // as written, references decoded
  std::vector<InterfaceElement> children;
  long line = 0;  // where the start tag ends, as libxml2 counts lines

  const std::string* attribute(std::string_view attributeName) const;
  std::optional<std::string> attributeText(std::string_view attributeName) const;
};

// The root element of xml, or why it is not a well-formed description without a DOCTYPE
// ("<fileLabel>: ..."). A DOCTYPE stops the parse before anything it declares is read, so no entity
// is ever expanded or fetched.
Result<InterfaceElement> ReadInterfaceElements(std::string_view xml, std::string_view fileLabel);

}  // namespace platform::ui

#pragma once
// A one-line, human-readable text for a value, for listings such as `key = value`:
// "text" (quoted, escaped), 42, 8.5, true, <0a1b>, 2026-12-06T10:00:00Z, {a = 1; b = "x"}, (1, 2).
#include <string>

#include "platform/plist/plist_value.h"

namespace platform {

std::string PlistDescription(const PlistValue& value);
// ISO 8601 UTC text of a date, whole seconds.
std::string PlistDateText(const PlistDate& date);

}  // namespace platform

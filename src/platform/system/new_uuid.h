#pragma once
// Fresh identifiers for records the user keeps (library entries, ports): random (version 4)
// UUIDs in their canonical 36-character text form.
#include <string>

namespace platform {

// "XXXXXXXX-XXXX-4XXX-YXXX-XXXXXXXXXXXX", upper case, from the system's random source.
std::string NewUUIDString();

}  // namespace platform

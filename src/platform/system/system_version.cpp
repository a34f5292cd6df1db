#include "platform/system/system_version.h"

namespace platform {

SystemVersionNumbers SystemVersion() { return {10, 15, 0}; }

}  // namespace platform

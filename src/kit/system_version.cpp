#include "kit/system_version.h"

bool SystemVersionAtLeast(const platform::SystemVersionNumbers& version, int major, int minor) {
  return version.major > major || (version.major == major && version.minor >= minor);
}

bool RunningOn104OrLater() {
  static const bool result = SystemVersionAtLeast(platform::SystemVersion(), 10, 4);
  return result;
}

bool RunningOn105OrLater() {
  static const bool result = SystemVersionAtLeast(platform::SystemVersion(), 10, 5);
  return result;
}

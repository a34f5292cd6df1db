#pragma once
// Checks of the host system's version, for features that older hosts lacked.
#include "platform/system/system_version.h"

// True when version is at least major.minor.
bool SystemVersionAtLeast(const platform::SystemVersionNumbers& version, int major, int minor);

// The host is 10.4 or later / 10.5 or later. Each is worked out once, on first use, and kept for
// the life of the process; first use may come from any thread.
bool RunningOn104OrLater();
bool RunningOn105OrLater();

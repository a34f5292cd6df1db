#pragma once
// Keeping a damaged file instead of losing it: the file is moved aside under a new name in the
// same folder, where the user (or whoever looks after the machine) can still find and mend it,
// and a fresh file can take its place.
#include <ctime>
#include <string>

#include "platform/result.h"

namespace platform {

// The name a damaged file is kept under: "<path>.damaged-YYYYMMDD-HHMMSS" in local time, with
// "-2", "-3" ... added for the second and later files kept in the same second.
std::string DamagedFileName(const std::string& path, std::time_t when, int sequence = 1);

// Renames the file at path to the first free name of DamagedFileName for now. An existing file
// is never replaced, even by a race with another process keeping the same file aside. The new
// path, or a message naming the file and the reason.
Result<std::string> KeepDamagedFileAside(const std::string& path);

}  // namespace platform

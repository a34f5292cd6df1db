#pragma once
// Whole-file reads and crash-safe whole-file writes. Every file this system writes goes through
// WriteFileAtomically, so a crash or a full disk never leaves half a file where the user's was.
#include <string>
#include <string_view>

#include "platform/result.h"

namespace platform {

// The bytes of the file, or a message naming the file and the reason.
Result<std::string> ReadFileBytes(const std::string& path);

// Writes bytes to a temporary file in the same folder, flushes it and renames it over path.
// On failure the old file (if any) is untouched, the temporary is removed, and error (when
// given) receives a message naming the file.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error = nullptr);

}  // namespace platform

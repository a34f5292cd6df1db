#pragma once
// The input history that combo boxes and pop-ups offer: the texts the user typed in earlier
// jobs, kept per field in one preference file of the user.
#include <string>
#include <string_view>
#include <vector>

// The input-history preference file, in the user's preferences folder.
inline constexpr const char* kInputHistoryFileName = "com.korvo.print.inputhistory.plist";

// The path of the input-history file: the user's preferences folder and its file name.
std::string InputHistoryFilePath();

// The strings kept under historyKey, most recent first. Entries that are not strings (a numeric
// field keeps numbers) are left out. A missing file or key gives none; an unreadable or
// malformed file gives none and one line "ERROR: <path>: <reason>" on standard error.
std::vector<std::string> CopyInputHistoryStrings(std::string_view historyKey);

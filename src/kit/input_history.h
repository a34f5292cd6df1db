#pragma once
// The input history that combo boxes and pop-ups offer: the entries the user typed in earlier
// jobs, kept per field in one preference file of the user, a dictionary from a field's history
// key to its list of entries, most recent first (strings for text fields, integers for numeric
// ones). A file that is there but cannot be read as such is the user's and stays as it is: it is
// named in one "ERROR:" line when found, and never written over.
#include <string>
#include <string_view>
#include <vector>

#include "platform/plist/plist_value.h"
#include "platform/status.h"

// The path of the input-history file in the user's preferences folder.
std::string InputHistoryFilePath();

struct InputHistory {
  bool fileIsSound = true;  // false: the file is damaged or unreadable and must not be written
  platform::PlistArray entries;
};

// The entries under historyKey; none for a missing file or key, or a damaged or unreadable file
// (which is then reported).
InputHistory ReadInputHistory(std::string_view historyKey);

// The string entries under historyKey, most recent first (a numeric field's numbers left out).
std::vector<std::string> CopyInputHistoryStrings(std::string_view historyKey);

// Puts entry first in the list under historyKey, unless the list holds it already, and drops the
// oldest entries past maximumCount, as one locked read-modify-write of the file. ioErr, with the
// file left as it is, when it is damaged or unreadable or cannot be written; paramErr for an
// empty key or a maximum below 1.
platform::OSStatus AddInputHistoryEntry(std::string_view historyKey, const platform::PlistValue& entry,
                                        int maximumCount);

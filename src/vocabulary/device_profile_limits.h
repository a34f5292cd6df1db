#pragma once
// The limits the device feature profile sets on a feature's values, in the one form that the
// job-ticket reader checks and the writer keeps to, so that whatever the writer writes the reader
// takes back: a name's "Length" and a number's "Minimum" and "Maximum".
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/plist/plist_value.h"

// The length of text as the profile counts it: in characters (Unicode code points), whatever
// their bytes or UTF-16 units.
std::size_t KFSTextLength(std::string_view utf8);

// The class dictionary's "Length", "Minimum" or "Maximum" (whole numbers, or reals taken whole);
// none when absent.
std::optional<std::int64_t> KFSClassBound(const platform::PlistDict* classDictionary, const char* key);

// The longest start of text, cut between characters, that the feature's "Name" class takes; text
// whole when the feature sets no length (or no profile is loaded).
std::string_view KFSCutToFeatureLength(std::string_view feature, std::string_view text);

// True when value lies within the feature's "Number" class range (each bound it gives).
bool KFSFeatureNumberInRange(std::string_view feature, std::int64_t value);

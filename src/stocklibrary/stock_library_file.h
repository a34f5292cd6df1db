#pragma once
// The library file, "com.korvo.print.stocklibrary" in the user's preferences folder, shared by
// the library list, the recent-choices list and the library dialog. Each owner reads and writes
// only its own key; every other key of the file survives a write untouched.
#include <functional>
#include <optional>
#include <string_view>

#include "platform/plist/plist_value.h"

// The value under key: from the user's file, or, when that file cannot be opened at all (no
// preferences folder, a file that cannot be read or is damaged beyond keeping aside), from the
// site's defaults "KorvoFeatures.plist". None when neither holds the key.
std::optional<platform::PlistValue> ReadStockLibraryKey(std::string_view key);

// Stores value under key, under the file's lock, leaving the other keys as they are. The file is
// written only when what it holds differs (an empty value counts as equal to an absent key), so a
// library that was not changed never rewrites the file, and an empty library never replaces a
// file it could not read. True when the file holds value afterwards; a failure has been reported
// on standard error.
bool WriteStockLibraryKey(std::string_view key, const platform::PlistValue& value);

// Changes the dictionary under key as the file holds it under its lock (read, change, write), so
// that changes other dialogs made since this one read the file are kept: change gets the file's
// dictionary (an empty one when the key is missing or not a dictionary). The file is written only
// when the dictionary changed. True, with the dictionary as the file now holds it in *result,
// when the change was made; a failure has been reported on standard error.
bool UpdateStockLibraryDictionary(std::string_view key, const std::function<void(platform::PlistDict&)>& change,
                                  platform::PlistDict* result);
// The same for the array under key.
bool UpdateStockLibraryArray(std::string_view key, const std::function<void(platform::PlistArray&)>& change,
                             platform::PlistArray* result);

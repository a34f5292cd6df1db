#pragma once
// How the ticket writers read the dictionary they are given. A setting is a 32-bit integer; the
// printer-default sentinel means "not set" and is answered as absent, before any table sees it.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/plist/plist_value.h"

// The key's value when it is an exact 32-bit integer other than kPrinterDefault; none when the
// dictionary or key is missing, the value is of another kind or out of range, or it is the sentinel.
std::optional<std::int32_t> JTktSetting(const platform::PlistDict* dict, const char* key);

// True when the dictionary holds the key, whatever its value.
bool JTktHas(const platform::PlistDict* dict, const char* key);

// The key's string or boolean; none (null) when absent or of another kind.
const std::string* JTktString(const platform::PlistDict* dict, const char* key);
std::optional<bool> JTktBoolean(const platform::PlistDict* dict, const char* key);

// The key's dictionary, or null.
const platform::PlistDict* JTktDictionary(const platform::PlistDict* dict, const char* key);

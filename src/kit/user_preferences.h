#pragma once
// The user's own preference files (job notes, background forms, stock library, input history),
// in the user's preferences folder, with the care of preference_file.h: a damaged file is kept
// aside, a file that cannot be read is never written over, writes are whole and locked.
#include <optional>
#include <string>
#include <string_view>

#include "platform/preferences/preference_file.h"

// The file's root dictionary and what was found; when the preferences folder cannot be found the
// status is kUnreadable and error says why.
platform::PreferenceFileContents ReadUserPreferences(std::string_view fileName);

// The file's root dictionary; an empty one when the file is missing or cannot be read (the
// caller goes on with defaults); none when the preferences folder cannot be found.
std::optional<platform::PlistDict> CopyUserPreferences(std::string_view fileName);

// Replaces the file's content with dictionary, creating the preferences folder when missing.
// False, with the reason in error (and on standard error), when it was not written.
bool WriteUserPreferences(std::string_view fileName, const platform::PlistDict& dictionary,
                          std::string* error = nullptr);

// Changes the file under its lock (UpdatePreferenceFile), creating the preferences folder when
// missing: for settings that other dialogs may be changing at the same time.
bool UpdateUserPreferences(std::string_view fileName, const platform::PreferenceFileChange& change,
                           std::string* error = nullptr);

#pragma once
// Reading the files of the shared store (preference_locations.h). A damaged file we write is kept
// aside and a fresh one is made by the next write; the site's defaults are only ever read, so a
// damaged defaults file is reported and left where the site's administrator put it.
#include <string_view>

#include "platform/preferences/preference_file.h"

// The shared file's root dictionary (empty unless the status is kRead). When the shared folder
// cannot be had the status is kUnreadable and error says why; every other status and message is
// ReadPreferenceFile's.
platform::PreferenceFileContents CopyXMLData(std::string_view fileName);

// The site's defaults, "KorvoFeatures.plist": the fallback of the background-forms and stock
// library settings when the user's own file cannot be read.
platform::PreferenceFileContents CopySiteDefaults();

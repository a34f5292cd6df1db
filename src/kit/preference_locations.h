#pragma once
// Where the system keeps its files, each name said once, here.
//
// Two places: the shared store, the folder "Korvo" in the local application-support folder, for
// what the print path outside the dialog must find too (the watermarks and their fonts) and for the
// site's defaults; and the user's preferences folder, for what is the user's alone.
#include <optional>
#include <string>
#include <string_view>

// The shared store's folder, inside the local application-support folder.
inline constexpr const char* kSharedPreferenceFolderName = "Korvo";

// Files of the shared store.
inline constexpr const char* kWatermarkFileName = "com.korvo.printing.watermarks.plist";
inline constexpr const char* kSiteDefaultsFileName = "KorvoFeatures.plist";  // only ever read

// Files of the user's preferences folder.
inline constexpr const char* kJobNotesPreferencesFileName = "com.korvo.print.jobnotes.plist";
inline constexpr const char* kBackgroundFormsPreferencesFileName = "com.korvo.print.backgroundforms";
inline constexpr const char* kStockLibraryPreferencesFileName = "com.korvo.print.stocklibrary";
inline constexpr const char* kInputHistoryPreferencesFileName = "com.korvo.print.inputhistory.plist";

// The shared store's folder, created (with any missing parent) when it is missing. None, and a
// message in error, when the application-support folder cannot be found (no home folder) or the
// folder cannot be created.
std::optional<std::string> SharedPreferenceFolder(std::string* error = nullptr);

// The path of the named file in the shared store, the folder created when missing. None, and a
// message in error, when the folder cannot be had or fileName is not a plain file name (empty,
// "." or "..", or holding a "/").
std::optional<std::string> CopyPreferenceFileURL(std::string_view fileName, std::string* error = nullptr);

// The same path for reading: the folder is not created, since a file in a folder that is not
// there is simply missing. None when the application-support folder cannot be found or the name
// is not a plain one.
std::optional<std::string> SharedPreferenceFilePath(std::string_view fileName, std::string* error = nullptr);

// The path of the named file in the user's preferences folder; the folder is not created here.
// None, and a message in error, when the folder cannot be found or the name is not a plain one.
std::optional<std::string> UserPreferenceFilePath(std::string_view fileName, std::string* error = nullptr);

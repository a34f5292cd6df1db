#pragma once
// What the saved-job dialog edits, taken out of the panel's job type dictionary and put back into
// it, and the rules its values follow: where a folder is kept, which folder names are allowed,
// and the passcode the printer asks for when a secure job is released.
#include <cstdint>
#include <string>

#include "platform/plist/plist_value.h"
#include "vocabulary/printer_default.h"

inline constexpr std::int32_t kSaveOnly = 1;
inline constexpr std::int32_t kSaveAndPrint = 2;
inline constexpr std::size_t kPasscodeMinimumLength = 4;
inline constexpr std::size_t kPasscodeMaximumLength = 10;

struct SavedJobSettings {
  std::int32_t saveOption = kSaveOnly;
  bool useJobName = true;
  std::string jobName;
  std::string folder;  // empty: the public folder
  std::int32_t format = kPrinterDefault;
  bool secure = false;
  std::string passcode;
  // A location that is no folder under the default one (from an imported job ticket): kept as it
  // is while the folder stays the public one, since the dialog cannot show it.
  std::string otherLocation;
  friend bool operator==(const SavedJobSettings&, const SavedJobSettings&) = default;
};

// The settings the dictionary holds; an absent or malformed member keeps its default.
SavedJobSettings ReadSavedJobSettings(const platform::PlistDict& jobType);
// Puts every setting into the dictionary: the passcode only for a secure job, the location as
// the default folder or a folder under it.
void WriteSavedJobSettings(const SavedJobSettings& settings, platform::PlistDict& jobType);

// The location URI of a folder under the default one, its name percent-encoded; the default
// location itself for the public folder (empty).
std::string SavedJobLocationOfFolder(const std::string& folder);
// The folder a location names under the default one; empty for the default location and for a
// location elsewhere, which the dialog cannot show as a folder.
std::string FolderOfSavedJobLocation(const std::string& location);
// A folder name may not climb out of the default folder: "." and ".." are refused ("/" cannot be
// typed).
bool SavedJobFolderAllowed(const std::string& folder);

// A passcode for a secure job when the user gave none: four digits from the system's random
// source, uniform from 1000 to 9999.
std::string GenerateSecurePasscode();

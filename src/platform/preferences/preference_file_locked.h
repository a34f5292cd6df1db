#pragma once
// What the preference files and their write stage share, private to this folder.
#include <string>

#include "platform/preferences/preference_file.h"

namespace platform {

// Reads the file and settles what to do with it, with its lock already held (a damaged file is
// kept aside).
PreferenceFileContents ReadPreferenceFileLocked(const std::string& path);

// The folder of path ("." for a bare name).
std::string PreferenceFolderOf(const std::string& path);

// Why a write was refused when the file's lock could not be had: the folder's fault when that is
// the cause (one line for all its files), else the lock's own message.
std::string LockRefusal(const std::string& path, const std::string& lockError);

// Counts a failed preference write (PreferenceWritesFailed) and reports message once.
void FailPreferenceWrite(const std::string& message, bool reported);

// The open write stage's answers, when there is a stage: true with *contents when the stage holds
// the file.
bool StagedPreferenceRead(const std::string& path, PreferenceFileContents* contents);
// False when no stage is open; else true, and *outcome says whether the change was made to the
// stage's copy of the file, or why not (already reported when reported is set).
struct StagedUpdate {
  bool done = false;
  bool reported = false;
  std::string error;
};
bool StagePreferenceUpdate(const std::string& path, const PreferenceFileChange& change, StagedUpdate* outcome);

}  // namespace platform

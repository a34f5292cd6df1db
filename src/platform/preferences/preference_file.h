#pragma once
// Preference files: XML property lists whose root is a dictionary, read and written whole. Some
// are shared by several processes (two print dialogs, or several users of one machine), so every
// write happens under the file's lock (preference_lock.h) and through a temporary file renamed
// into place: two writers never interleave, a reader sees the old file or the new one, and a
// writer that dies half-way leaves the old file whole.
//
// The user's file is never lost to a fault of ours or of the file:
//   - a missing file is normal: the caller goes on with defaults;
//   - a file that is damaged (empty, truncated, not a property list, or with a root that is not a
//     dictionary) is kept: renamed aside (damaged_file.h) with the line
//     "ERROR: <path>: <reason>; kept as <new path>" on standard error, and the caller goes on with
//     defaults; the next write makes a fresh file;
//   - a file that is there but cannot be read (no permission, an I/O error, a folder in its place)
//     may well be sound, so it is neither renamed nor written over: it is reported on standard
//     error, reads give defaults, and every write to it is refused for as long as it stays
//     unreadable. The same holds for a damaged file that cannot be renamed aside.
// Every failure is one "ERROR:" line on standard error, written here so that callers need not
// write their own, and comes back to the caller as a status and a message.
#include <functional>
#include <optional>
#include <string>

#include "platform/plist/plist_value.h"

namespace platform {

enum class PreferenceFileStatus {
  kRead,        // the file's dictionary was read
  kMissing,     // there is no such file
  kKeptAside,   // the file was damaged and has been renamed aside
  kDamaged,     // the file is damaged and stays where it is; it will not be written over
  kUnreadable,  // the file is there but could not be read; it will not be written over
};

// A status's name, for messages ("read", "missing", "kept aside", "damaged", "unreadable").
const char* PreferenceFileStatusName(PreferenceFileStatus status);

struct PreferenceFileContents {
  PreferenceFileStatus status = PreferenceFileStatus::kMissing;
  PlistDict dictionary;  // empty unless status is kRead
  std::string error;     // why, when the file was there but not read: the ERROR line's text
  std::string keptAs;    // the damaged file's new path, when status is kKeptAside

  bool wasRead() const { return status == PreferenceFileStatus::kRead; }
  // False when writing would replace a file that may hold the user's settings.
  bool mayBeWritten() const {
    return status != PreferenceFileStatus::kDamaged && status != PreferenceFileStatus::kUnreadable;
  }
};

// What to do with a damaged file found by a read.
enum class DamagedPreferenceFile {
  kKeepAside,    // rename it aside so that a fresh file can be written (files we write)
  kLeaveInPlace  // report it and leave it (files we only read, such as site-wide defaults)
};

PreferenceFileContents ReadPreferenceFile(const std::string& path,
                                          DamagedPreferenceFile damaged = DamagedPreferenceFile::kKeepAside);

// What a change given to UpdatePreferenceFile asks for.
enum class PreferenceChange { kWrite, kLeave };

// Called with the file's dictionary (empty when status is kMissing or kKeptAside) to change it in
// place. It must not write the same file itself: the lock is held while it runs.
using PreferenceFileChange = std::function<PreferenceChange(PlistDict& dictionary, PreferenceFileStatus status)>;

// A read-modify-write that no other writer can come between: takes the file's lock, reads the
// file (keeping a damaged one aside), lets change alter the dictionary and, when it answers
// kWrite, writes the file back, and releases the lock. True when the change ran and what it
// asked for was done. False (the file unchanged, change not called when the file was not read)
// when the lock cannot be had, the file is unreadable or damaged beyond keeping aside, or the
// write fails; error then holds the reason, naming the file.
bool UpdatePreferenceFile(const std::string& path, const PreferenceFileChange& change, std::string* error = nullptr);

// How many times this process has parsed a preference file. A sound file is parsed once and then
// answered from memory for as long as it stays the same file with the same size, modification and
// change times; any other file is examined afresh on every read.
unsigned PreferenceFilesParsed();

// While a PreferenceWriteStage is open (preference_write_stage.h), writes are held back in memory
// until the stage writes them, and reads answer what the stage holds.
//
// How many preference writes of this process have failed so far (each said why in its "ERROR:"
// line): a program ends with a failure status when a setting the user made was not kept.
unsigned PreferenceWritesFailed();

// Replaces the file's content with dictionary, under the lock and with the same care for the
// file that is there as UpdatePreferenceFile.
bool WritePreferenceFile(const std::string& path, const PlistDict& dictionary, std::string* error = nullptr);

// For a write a preference file needed and did not get (a font program that could not be made,
// say): counted as a failed write, and message reported as ReportPreferenceError does.
void ReportFailedPreferenceWrite(const std::string& message);

// None when folder can be read (or, forWriting, written), or is missing and will be made; else the
// one message for every file of it: "<folder>: the folder cannot be used (<reason>); ...". Reads
// and writes report it in place of a line for each file.
std::optional<std::string> PreferenceFolderFault(const std::string& folder, bool forWriting);

// Writes "ERROR: " and message as one line on standard error, unless this process has written
// that line already: one command reads a store several times (each panel, each dialog), and a
// file that cannot be read is one cause, told once. True when the line was written.
bool ReportPreferenceError(const std::string& message);

}  // namespace platform

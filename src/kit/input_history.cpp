// Reading and extending the input-history file.
#include "kit/input_history.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "kit/preference_locations.h"
#include "platform/files/folders.h"
#include "platform/preferences/preference_file.h"

std::string InputHistoryFilePath() {
  return platform::UserPreferencesFolder() + "/" + kInputHistoryPreferencesFileName;
}

std::vector<std::string> CopyInputHistoryStrings(std::string_view historyKey) {
  std::vector<std::string> strings;
  for (const platform::PlistValue& entry : ReadInputHistory(historyKey).entries)
    if (const std::string* text = entry.asString()) strings.push_back(*text);
  return strings;
}

InputHistory ReadInputHistory(std::string_view historyKey) {
  InputHistory history;
  if (historyKey.empty()) return history;
  // The history is the user's own typing; a damaged file is reported and left where it is rather
  // than moved aside for a fresh, empty one.
  platform::PreferenceFileContents file =
      platform::ReadPreferenceFile(InputHistoryFilePath(), platform::DamagedPreferenceFile::kLeaveInPlace);
  history.fileIsSound = file.mayBeWritten();
  if (const platform::PlistValue* list = platform::PlistDictFind(file.dictionary, historyKey))
    if (const platform::PlistArray* entries = list->asArray()) history.entries = *entries;
  return history;
}

platform::OSStatus AddInputHistoryEntry(std::string_view historyKey, const platform::PlistValue& entry,
                                        int maximumCount) {
  if (historyKey.empty() || maximumCount < 1) return platform::paramErr;
  const std::string path = InputHistoryFilePath();
  // Looked at first without touching it: the locked update below would move a damaged file aside.
  if (!platform::ReadPreferenceFile(path, platform::DamagedPreferenceFile::kLeaveInPlace).mayBeWritten())
    return platform::ioErr;
  // A user who never typed into such a field may have no preferences folder yet.
  std::string error;
  if (!platform::CreateFolderWithParents(platform::UserPreferencesFolder(), &error)) {
    // In the words of the other preference files' writes, so that one cause is told once.
    platform::ReportFailedPreferenceWrite(error + "; no preference file is written there");
    return platform::ioErr;
  }
  const bool done = platform::UpdatePreferenceFile(
      path, [&](platform::PlistDict& dictionary, platform::PreferenceFileStatus) {
        platform::PlistValue* list = platform::PlistDictFind(dictionary, historyKey);
        platform::PlistArray entries;
        if (list != nullptr && list->asArray() != nullptr) entries = *list->asArray();
        // Another dialog may have added the same entry since this one read the file.
        if (std::find(entries.begin(), entries.end(), entry) != entries.end()) return platform::PreferenceChange::kLeave;
        entries.insert(entries.begin(), entry);
        if (entries.size() > static_cast<std::size_t>(maximumCount)) entries.resize(static_cast<std::size_t>(maximumCount));
        dictionary.insert_or_assign(std::string(historyKey), platform::PlistValue(std::move(entries)));
        return platform::PreferenceChange::kWrite;
      });
  return done ? platform::noErr : platform::ioErr;
}

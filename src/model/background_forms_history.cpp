// The two form-name histories, kept in the user's "com.korvo.print.backgroundforms".
#include <algorithm>

#include "kit/preference_locations.h"
#include "kit/shared_preferences.h"
#include "kit/user_preferences.h"
#include "model/background_forms_options.h"

namespace {

constexpr const char* kNewFormsArrayKey = "NewFormsArray";
constexpr const char* kExistingFormsArrayKey = "ExistingFormsArray";

// The strings of the array under key; other kinds of entries are skipped.
BackgroundFormsOptions::Names NamesOf(const platform::PlistDict& dict, const char* key) {
  BackgroundFormsOptions::Names names;
  const platform::PlistValue* value = platform::PlistDictFind(dict, key);
  if (value == nullptr || value->asArray() == nullptr) return names;
  for (const platform::PlistValue& entry : *value->asArray())
    if (const std::string* name = entry.asString()) names.push_back(*name);
  return names;
}

// Ours first, then the file's names that ours lack; no name twice; at most the history's length.
platform::PlistArray Merge(const BackgroundFormsOptions::Names& ours, const BackgroundFormsOptions::Names& theirs) {
  BackgroundFormsOptions::Names merged;
  for (const auto* list : {&ours, &theirs})
    for (const std::string& name : *list)
      if (merged.size() < kMaxFormNameHistory && std::find(merged.begin(), merged.end(), name) == merged.end())
        merged.push_back(name);
  return platform::PlistArray(merged.begin(), merged.end());
}

}  // namespace

// The site's defaults stand in only for user preferences that cannot be opened at all (no folder,
// or one that cannot be read); a user's file that is missing or damaged is simply no history yet.
BackgroundFormsOptions::Histories BackgroundFormsOptions::ReadHistories() {
  platform::PreferenceFileContents file = ReadUserPreferences(kBackgroundFormsPreferencesFileName);
  if (file.status == platform::PreferenceFileStatus::kUnreadable) file = CopySiteDefaults();
  return {NamesOf(file.dictionary, kExistingFormsArrayKey), NamesOf(file.dictionary, kNewFormsArrayKey)};
}

BackgroundFormsOptions::Histories& BackgroundFormsOptions::histories() const {
  if (!histories_) histories_ = ReadHistories();
  return *histories_;
}

platform::OSStatus BackgroundFormsOptions::loadHistory() {
  histories_ = ReadHistories();
  return platform::noErr;
}

platform::OSStatus BackgroundFormsOptions::saveHistory() const {
  // Read before the file is locked for the update, as they would have been on opening.
  const Histories& ours = histories();
  bool saved = UpdateUserPreferences(kBackgroundFormsPreferencesFileName,
                                     [&ours](platform::PlistDict& dict, platform::PreferenceFileStatus) {
                                       dict.insert_or_assign(kExistingFormsArrayKey,
                                                             Merge(ours.existing, NamesOf(dict, kExistingFormsArrayKey)));
                                       dict.insert_or_assign(kNewFormsArrayKey,
                                                             Merge(ours.created, NamesOf(dict, kNewFormsArrayKey)));
                                       return platform::PreferenceChange::kWrite;
                                     });
  return saved ? platform::noErr : platform::ioErr;
}

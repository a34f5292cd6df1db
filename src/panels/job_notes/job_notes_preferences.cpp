// The job-notes preference file, read when the panel is initialised and written by its dialog.
#include "panels/job_notes/job_notes_preferences.h"

#include "kit/preference_locations.h"
#include "kit/user_preferences.h"
#include "model/job_notes_keys.h"

namespace {

bool IsOn(const platform::PlistDict& dictionary, const char* key) {
  auto found = dictionary.find(key);
  const std::int64_t* number = found != dictionary.end() ? found->second.asInteger() : nullptr;
  return number == nullptr || *number != 0;
}

}  // namespace

JobNotesPreferences LoadJobNotesPreferences() {
  const platform::PlistDict stored = CopyUserPreferences(kJobNotesPreferencesFileName).value_or(platform::PlistDict{});
  return {IsOn(stored, kJobNotesPrefUseDocumentNameKey), IsOn(stored, kJobNotesPrefUseLoginSenderKey),
          IsOn(stored, kJobNotesPrefUseLoginRecipientKey)};
}

bool SaveJobNotesPreferences(const JobNotesPreferences& preferences) {
  return UpdateUserPreferences(kJobNotesPreferencesFileName,
                               [&preferences](platform::PlistDict& dictionary, platform::PreferenceFileStatus) {
                                 dictionary.insert_or_assign(kJobNotesPrefUseDocumentNameKey,
                                                             preferences.useDocumentNameAsJobName ? 1 : 0);
                                 dictionary.insert_or_assign(kJobNotesPrefUseLoginSenderKey,
                                                             preferences.useLoginNameAsSenderName ? 1 : 0);
                                 dictionary.insert_or_assign(kJobNotesPrefUseLoginRecipientKey,
                                                             preferences.useLoginNameAsRecipientName ? 1 : 0);
                                 return platform::PreferenceChange::kWrite;
                               });
}

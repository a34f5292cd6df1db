#pragma once
// The job-notes preference file ("com.korvo.print.jobnotes.plist") and the dialog that edits it.
#include "panels/job_notes/job_notes_state.h"
#include "panels/modal_dialog.h"

// The stored preferences; each one missing, or not a number, is on.
JobNotesPreferences LoadJobNotesPreferences();

// Stores the three preferences as 1 or 0, keeping whatever else the file holds. False, after an
// "ERROR:" line naming the file, when it could not be written.
bool SaveJobNotesPreferences(const JobNotesPreferences& preferences);

// The preferences dialog: on OK the preferences as its check boxes show them.
DialogAnswer<JobNotesPreferences> RunModalJobNotesPreferencesDialog(const platform::Bundle* bundle,
                                                                   const JobNotesPreferences& preferences);

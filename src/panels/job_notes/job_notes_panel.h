#pragma once
// The Job Notes panel's controls: built once at the first Open, kept in step with the context,
// and ended at Terminate.
#include "panels/job_notes/job_notes_state.h"
#include "platform/status.h"

// Builds the controls on the first call and shows the context in them; later calls do nothing.
// A panel whose interface description cannot be loaded stays empty, and that is no failure.
platform::OSStatus OpenJobNotesControls(JobNotesContext& context);

// Context to controls: each name combo shows its special entry while its flag is set, else the
// name; the message fields show their texts; the job-name combo takes the keyboard focus while the panel
// is in front.
void JobNotesSyncToUI(JobNotesContext& context);

// Controls to context: the messages, and for each combo either the typed text (its flag off) or,
// for a special entry or an empty field, its flag on with the name left as it was.
void JobNotesSyncFromUI(JobNotesContext& context);

// Records what was typed into the three name combos in their histories and ends them.
void FinalizeJobNotesControls(JobNotesContext& context);

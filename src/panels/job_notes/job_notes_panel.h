#pragma once
// The Job Notes panel's controls: built once at the first Open, kept in step with the context,
// and ended at Terminate.
#include "panels/job_notes/job_notes_state.h"
#include "platform/status.h"

// Loads the interface and wires its controls: kPMInvalidPDEContext when it cannot be loaded or
// lacks a control (the panel then stays empty).
platform::OSStatus BuildJobNotesControls(JobNotesContext& context);

// Context to controls: each name combo shows its special entry while its flag is set, else the
// name; the message fields show their texts; the job-name combo takes the keyboard focus while the panel
// is in front.
void JobNotesSyncToUI(JobNotesContext& context);

// Controls to context: the messages, and for each combo either the typed text (its flag off) or,
// for a special entry or an empty field, its flag on with the name left as it was.
void JobNotesSyncFromUI(JobNotesContext& context);

// Records what was typed into the three name combos in their histories and ends them.
void FinalizeJobNotesControls(JobNotesContext& context);

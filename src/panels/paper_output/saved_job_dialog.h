#pragma once
// The saved-job set-up (job type 3): how the job is kept on the printer, under which name and in
// which folder, in which format, and behind which passcode.
#include "panels/paper_output/paper_output_state.h"
#include "platform/status.h"

// Shows the panel's saved-job values; on OK puts every one of them into the job type dictionary,
// on Cancel changes nothing; *confirmed (when given) tells which. paramErr without context;
// kDialogNotLoadedErr when the interface description cannot be loaded (not confirmed).
platform::OSStatus RunModalSavedJobDialog(PaperOutputContext* context, bool* confirmed = nullptr);

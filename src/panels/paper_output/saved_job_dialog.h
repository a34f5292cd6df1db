#pragma once
// The saved-job set-up (job type 3): how the job is kept on the printer, under which name and in
// which folder, in which format, and behind which passcode.
#include "panels/modal_dialog.h"
#include "panels/paper_output/saved_job_settings.h"
#include "platform/bundle/bundle.h"

// Shows the saved-job values; on OK every one of them as the dialog left it.
DialogAnswer<SavedJobSettings> RunModalSavedJobDialog(const platform::Bundle* bundle, SavedJobSettings settings);

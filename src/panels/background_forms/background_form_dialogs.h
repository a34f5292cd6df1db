#pragma once
// The background-form dialogs. The set-up chooses a form the printer holds to merge with the job,
// how its pages apply and the offset of its image; the saved-form dialog names a form being saved
// (a job of type Background Form) and opens the set-up on its own copy. Each answers the options
// as edited on OK. The form-name field of each lists the names typed there before, its own input
// history, which that dialog's OK records; the options' name histories are saved by the outermost
// OK (BackgroundFormsOptions::saveHistory), so a Cancel leaves both files alone.
#include "model/background_forms_options.h"
#include "platform/bundle/bundle.h"
#include "panels/modal_dialog.h"
#include "platform/ticket/print_session.h"

inline constexpr const char* kBackgroundFormsInterfaceName = "BackgroundForms";

// What the background-form dialogs edit: the options, histories included, and whether their
// offsets are the exact ones stored in thousandths of a millimetre (see below). A copy keeps the
// histories as they are, not as the file has them.
struct BackgroundFormsEdit {
  BackgroundFormsEdit(const BackgroundFormsOptions& from, bool exact) : fullPrecision(exact) { options = from; }
  BackgroundFormsEdit(const BackgroundFormsEdit& other) : fullPrecision(other.fullPrecision) {
    options = other.options;
  }
  BackgroundFormsEdit& operator=(const BackgroundFormsEdit& other) = default;

  BackgroundFormsOptions options;
  bool fullPrecision = false;
};

// Runs window "Advanced" on the options. With fullPrecision the stored offsets are in thousandths
// of a millimetre, whatever the unit says: they are shown in the unit, and kept as they are (flag
// included) unless the user changes an offset or the unit, when both are stored in the unit shown
// and the flag is cleared. OK needs a form name: it becomes the merge-with name, first in the
// existing-forms history, and the options switch to merging (2).
DialogAnswer<BackgroundFormsEdit> RunModalBackgroundFormSetupDialog(const platform::Bundle* bundle,
                                                                    const BackgroundFormsEdit& forms);

// Runs window "SavedForm" on the options: the name of the form being saved, or the job's own name
// (the list's special entry). OK and Setup... need a name; a typed one becomes the new-form name
// (first in the new-forms history), the special entry sets use-document-name with no new-form
// name. Its Setup... runs the set-up on this dialog's copy, kept only when this dialog ends with OK.
DialogAnswer<BackgroundFormsEdit> RunModalSavedBackgroundFormDialog(const platform::Bundle* bundle,
                                                                    const BackgroundFormsEdit& forms);

// Whether the offsets of options, as read from the session's print settings, are the exact ones
// stored there under "FullPrecision" (thousandths of a millimetre): the ticket says so and still
// holds the same unit and offsets. What a dialog opened on those options is to be told.
bool BackgroundFormOffsetsAreExact(const platform::PrintSession* session, const BackgroundFormsOptions& options);

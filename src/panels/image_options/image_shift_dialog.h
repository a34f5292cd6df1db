#pragma once
// The image-shift set-up dialog: option, side-1 and side-2 shifts and the unit, for the job
// (Image Options panel) or an exception page range. It edits a copy of the record; OK copies the
// option, unit and four values back, Cancel and Defaults-then-Cancel leave the record as it was.
#include "model/image_shift_options.h"
#include "platform/bundle/bundle.h"
#include "platform/status.h"
#include "platform/ticket/print_session.h"
#include "vocabulary/job_context.h"

inline constexpr const char* kImageShiftInterfaceName = "ImageShiftSetupDialog";

// Runs window "ImageShift" on *options. A record without plex takes it from the session's
// platform duplex setting (one-sided when it has none). The option pop-up's first row reads
// "PrinterDefault" for the job and "UseJobSetting" elsewhere. *accepted (when given) tells
// whether the user pressed OK. paramErr without record; the loader's status when the dialog
// cannot be loaded.
platform::OSStatus RunModalImageShiftDialog(const platform::Bundle* bundle, platform::PrintSession* session,
                                            ImageShiftOptions* options, JobContext context, bool* accepted = nullptr);

// The smaller form for background forms ("ImageShiftBackgroundForms"): side 1 and the unit only,
// the job counted as one-sided and the shift as independent.
platform::OSStatus RunModalImageShiftBackgroundFormsDialog(const platform::Bundle* bundle, ImageShiftOptions* options,
                                                           bool* accepted = nullptr);

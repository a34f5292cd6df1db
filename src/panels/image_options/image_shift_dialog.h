#pragma once
// The image-shift set-up dialog: option, side-1 and side-2 shifts and the unit, for the job
// (Image Options panel) or an exception page range. On OK it answers the record with the option,
// unit and four values chosen.
#include "model/image_shift_options.h"
#include "platform/bundle/bundle.h"
#include "panels/modal_dialog.h"
#include "platform/ticket/print_session.h"
#include "vocabulary/job_context.h"

inline constexpr const char* kImageShiftInterfaceName = "ImageShiftSetupDialog";

// Runs window "ImageShift" on the options. A record without plex takes it from the session's
// platform duplex setting (one-sided when it has none). The option pop-up's first row reads
// "PrinterDefault" for the job and "UseJobSetting" elsewhere.
DialogAnswer<ImageShiftOptions> RunModalImageShiftDialog(const platform::Bundle* bundle, platform::PrintSession* session,
                                                         const ImageShiftOptions& options, JobContext context);

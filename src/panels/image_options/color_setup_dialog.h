#pragma once
// The colour set-up dialog: colour adjustments, trapping and black overprint, source and
// destination profiles and rendering intents of one full-colour options object, for the job
// (Image Options panel) or an exception page range. It answers the options as edited on OK.
#include <optional>
#include <string>

#include "model/full_color_options.h"
#include "platform/bundle/bundle.h"
#include "platform/four_char_code.h"
#include "panels/modal_dialog.h"
#include "vocabulary/job_context.h"

inline constexpr const char* kColorSetupInterfaceName = "ColorSetupDialog";
inline constexpr platform::OSType kColorSetupSignature = platform::FourCharCode("ClrS");

// Runs window "ColorSetup" on the options. The printer-default rows and check boxes read
// "PrinterDefault" for the job and "UseJobSetting" elsewhere.
DialogAnswer<FullColorOptions> RunModalColorSetupDialog(const platform::Bundle* bundle, const FullColorOptions& options,
                                                        JobContext context);

// Asks for a custom profile's name ("CustomProfileName": one field of at most 255 characters),
// showing `current` first. None when the user cancels or leaves the name empty.
std::optional<std::string> AskCustomProfileName(const platform::Bundle* bundle, const std::optional<std::string>& current);

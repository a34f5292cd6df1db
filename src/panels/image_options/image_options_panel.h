#pragma once
// The Image Options panel's operations beyond the dialog's seven: its ticket entries, opening
// its controls, showing the context on them and taking the user's changes back.
#include "panels/image_options/image_options_state.h"
#include "platform/four_char_code.h"
#include "platform/status.h"
#include "platform/ticket/ticket.h"
#include "platform/ui/event.h"

inline constexpr const char* kImageOptionsInterfaceName = "ImageOptionsPanel";
inline constexpr const char* kImageOptionsWindowName = "Panel";
inline constexpr platform::OSType kImageOptionsSignature = platform::FourCharCode("KPDE");

// The context from the session's tickets: each entry, or its default when absent; the image
// shift's paper size from the job's stock and its plex from the finishing duplex.
void ReadImageOptionsTicket(ImageOptionsContext& context, const platform::Ticket& settings);
// The context into the print-settings ticket. A choice left to the printer removes its entry,
// except resolution, which is always written.
void WriteImageOptionsTicket(const ImageOptionsContext& context, platform::Ticket& settings);

// Loads the interface and wires its controls: the loader's status when it cannot be loaded.
platform::OSStatus BuildImageOptionsControls(ImageOptionsContext& context);
// Makes the colour summary view again, where Close took it from.
void RebuildImageOptionsControls(ImageOptionsContext& context);
// Disposes the colour summary view, keeping its place.
void CloseImageOptionsControls(ImageOptionsContext& context);
// Keeps the curve typed in the input history and lets the combo box go.
void FinalizeImageOptionsControls(ImageOptionsContext& context);

// The curve typed in the combo box into the context (every Sync that writes starts here); the
// pop-ups and the check box reach the context as the user changes them.
void StoreImageOptionsControls(ImageOptionsContext& context);
// Summaries, pop-ups, combo box, check box and pictures as the context says.
void ShowImageOptions(ImageOptionsContext& context);
// What the panel's controls do when the user acts on them; eventNotHandledErr for the rest.
platform::OSStatus ImageOptionsEventHandler(platform::ui::Event& event, ImageOptionsContext& context);

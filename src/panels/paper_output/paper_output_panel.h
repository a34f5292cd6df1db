#pragma once
// The Paper/Output panel's operations beyond the dialog's seven: opening its controls, bringing
// them in line with the context, and the handler of their events.
#include "panels/paper_output/paper_output_state.h"
#include "platform/status.h"
#include "platform/ui/event.h"

inline constexpr const char* kPaperOutputInterfaceName = "Paper_Output";
inline constexpr const char* kPaperOutputWindowName = "Panel";
inline constexpr platform::OSType kPaperOutputSignature = platform::FourCharCode("PpOu");

// Loads the interface and wires its controls: the loader's status when it cannot be loaded.
platform::OSStatus BuildPaperOutputControls(PaperOutputContext& context);
// Makes the two summary views again, where Close took them from.
void RebuildPaperOutputControls(PaperOutputContext& context);
// Disposes the two summary views, keeping their places.
void ClosePaperOutputControls(PaperOutputContext& context);
// Pop-ups, menus, summaries and pictures as the context says.
void SyncToUI(PaperOutputContext& context);
// What the panel's controls do when the user acts on them; eventNotHandledErr for the rest.
platform::OSStatus PaperOutputEventHandler(platform::ui::Event& event, PaperOutputContext& context);

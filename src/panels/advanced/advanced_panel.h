#pragma once
// The Advanced panel's operations beyond the dialog's seven: opening its controls, bringing them
// in line with the context, taking the fields' text back, and the handler of their events.
#include "panels/advanced/advanced_state.h"
#include "platform/status.h"
#include "platform/ui/event.h"

inline constexpr const char* kAdvancedInterfaceName = "AdvancedPanel";
inline constexpr const char* kAdvancedWindowName = "Advanced";
// Every item of the force-new-size pop-up carries this command.
inline constexpr platform::OSType kForceNewSizeCommand = platform::FourCharCode("KfpS");

// Loads the interface and wires its controls; kPMInvalidPDEContext when it cannot be loaded
// (after the loader's message).
platform::OSStatus BuildAdvancedControls(AdvancedContext& context);
// Pop-ups, check boxes, fields and their enabling as the context says.
void SyncToUI(AdvancedContext& context);
// The page fields' text into the context.
void SyncFromUI(AdvancedContext& context);
// What the panel's controls do when the user acts on them; eventNotHandledErr for the rest.
platform::OSStatus AdvancedEventHandler(platform::ui::Event& event, AdvancedContext& context);

// The About box: the printer's make and model, the plug-in's version and the trademark notice.
platform::OSStatus RunModalAboutBox(const AdvancedContext& context);

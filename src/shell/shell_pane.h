#pragma once
// The shell's part of the dialog's window: the panes it makes for the panels, the shell pane
// with its panel pop-up and buttons, and the events they cause.
#include "platform/ui/event.h"
#include "shell/shell_context.h"

// Initialize's window work: the dialog's buttons, the shell's handler, and one hidden user pane
// per panel, as large as the shell's panel container. noErr, or kPMInvalidPDEContext when the
// shell's interface description cannot be loaded.
platform::OSStatus CreatePanelPanes(PDEShellContext& shell);
// The first Open's window work: the shell pane centred in the dialog pane, the pop-up of panel
// titles, the buttons' pictures, and every panel pane centred in the panel container.
platform::OSStatus ShowShellPane(PDEShellContext& shell);
// Takes the shell's controls out of the dialog's window; nothing of the shell is left there.
void RemoveShellControls(PDEShellContext& shell);

// The shell's handler: the pop-up and the buttons switch panels, help opens the help book.
platform::OSStatus pdeShellEventHandler(platform::ui::Event& event, PDEShellContext& shell);

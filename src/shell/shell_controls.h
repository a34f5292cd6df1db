#pragma once
// The shell pane's controls, as its interface description "PDE_Shell" names them, and the
// commands its buttons send.
#include "platform/four_char_code.h"
#include "platform/ui/control.h"

inline constexpr const char* kShellInterfaceName = "PDE_Shell";
inline constexpr const char* kShellWindowName = "Window";
inline constexpr platform::OSType kShellSignature = platform::FourCharCode("Kshl");
inline constexpr platform::ui::ControlID kShellPaneID{kShellSignature, 1};
inline constexpr platform::ui::ControlID kPanelPopupID{kShellSignature, 2};
inline constexpr platform::ui::ControlID kPreviousButtonID{kShellSignature, 3};
inline constexpr platform::ui::ControlID kNextButtonID{kShellSignature, 4};
inline constexpr platform::ui::ControlID kSwitchingContainerID{kShellSignature, 5};
inline constexpr platform::ui::ControlID kPanelContainerID{kShellSignature, 6};
// The user pane the shell makes for each panel is identified by the panel's tab index.
inline constexpr platform::OSType kPanelPaneSignature = platform::FourCharCode("Kpnl");

inline constexpr platform::OSType kPreviousPanelCommand = platform::FourCharCode("Kprv");
inline constexpr platform::OSType kNextPanelCommand = platform::FourCharCode("Knxt");

inline constexpr const char* kPreviousButtonPicture = "ButtonGraphic_MacUp.png";
inline constexpr const char* kNextButtonPicture = "ButtonGraphic_MacDown.png";

// The program's creator code, under which it keeps properties on controls it does not own.
inline constexpr platform::OSType kProgramCreator = platform::FourCharCode("KPDE");
inline constexpr platform::OSType kBundlePropertyTag = platform::FourCharCode("bndl");

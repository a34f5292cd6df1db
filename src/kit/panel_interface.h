#pragma once
// What a panel is to the shell: a record of the dialog's seven operations, made by the panel's
// getter, and the names a panel gives itself in its Prologue.
#include <memory>

#include "platform/four_char_code.h"
#include "platform/plugin/pde_interface.h"

// The panels' records use the dialog's ten-slot layout with the three header slots left null.
using PanelInterface = platform::PlugInIntfVTable;
// A panel getter stores a newly allocated record in its out-argument and returns 0.
using PanelInterfaceGetter = platform::OSStatus (*)(std::unique_ptr<PanelInterface>* out);

// The kind every panel, and the shell that hosts them, names itself with.
inline constexpr const char* kShellKind = "com.korvo.print.pde.korvofeatureskind";
// The creator code the panels name themselves with.
inline constexpr platform::OSType kPanelCreator = platform::FourCharCode("Kshl");

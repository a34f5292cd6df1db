#pragma once
// Hooks each shell operation calls first, where a product built on the shell adds its own work.
// Ours keep the current print session; the rest do nothing.
#include "platform/plugin/pde_interface.h"

platform::OSStatus KorvoPDEProlog();
platform::OSStatus KorvoPDEInitialize(platform::PMPrintSession session);
platform::OSStatus KorvoPDESync();
platform::OSStatus KorvoPDEGetSummaryText();
platform::OSStatus KorvoPDEOpen();
platform::OSStatus KorvoPDEClose();
platform::OSStatus KorvoPDETerminate();

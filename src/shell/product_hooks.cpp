#include "shell/product_hooks.h"

#include "kit/current_session.h"

platform::OSStatus KorvoPDEProlog() { return platform::noErr; }

platform::OSStatus KorvoPDEInitialize(platform::PMPrintSession session) {
  SetCurrentPrintSession(session);
  return platform::noErr;
}

platform::OSStatus KorvoPDESync() { return platform::noErr; }
platform::OSStatus KorvoPDEGetSummaryText() { return platform::noErr; }
platform::OSStatus KorvoPDEOpen() { return platform::noErr; }
platform::OSStatus KorvoPDEClose() { return platform::noErr; }

platform::OSStatus KorvoPDETerminate() {
  SetCurrentPrintSession(nullptr);
  return platform::noErr;
}

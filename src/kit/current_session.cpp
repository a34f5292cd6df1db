#include "kit/current_session.h"

namespace {
platform::PrintSession* gCurrentPrintSession = nullptr;
}

platform::PrintSession* GetCurrentPrintSession() { return gCurrentPrintSession; }

void SetCurrentPrintSession(platform::PrintSession* session) { gCurrentPrintSession = session; }

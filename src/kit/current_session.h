#pragma once
// The dialog-wide current print session: set by the shell's Initialize, cleared by Terminate.
// Every panel and dialog reaches the ticket through it.
#include "platform/ticket/print_session.h"

platform::PrintSession* GetCurrentPrintSession();
void SetCurrentPrintSession(platform::PrintSession* session);

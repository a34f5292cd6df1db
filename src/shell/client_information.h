#pragma once
// The entries the shell adds to the print-settings ticket each time the dialog collects the
// settings: who prints from where, and which controller the job ticket is meant for.
#include "kit/client_facts.h"
#include "platform/ticket/ticket.h"

// Writes the job-ticket options, controller and client entries; removes a client entry whose
// fact is missing rather than leaving a stale one.
void WriteClientInformation(platform::Ticket& printSettings, const ClientFacts& facts);
